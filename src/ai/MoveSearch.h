// CMoveSearch chooses one move for a computer player by looking ahead through the moves of all
// players in turn order, each choosing what is best for itself: every node keeps a value per
// player. Depth and breadth come from the level and the number of players; a wall-clock budget
// cuts the look-ahead short. It is made for one turn, run once on the player's worker thread,
// and may be stopped from another thread at any time.
//
// The root's candidates are searched on several threads at once and their values combined in
// slot order, and positions met again are taken from a transposition store, so the chosen move,
// the values and the node counts are the same for any number of threads, with or without the
// store.
//
//   CMoveSearch search(board, kRed, 2000, 180000, moveCount, order, previousMove);
//   search.Run();
//   if (search.HasBestMove()) play(search.BestMove());
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "ai/CandidateGenerator.h"
#include "ai/Evaluation.h"
#include "ai/PositionValues.h"
#include "ai/Score.h"
#include "ai/TranspositionStore.h"
#include "board/BasicBoard.h"
#include "board/GameBoard.h"
#include "board/SeatTypes.h"

namespace halmora {

// Every hardware thread of the machine, at least one.
int DefaultSearchThreads();

// How a search is run; none of it changes the result.
struct SearchSetup {
    int threads = DefaultSearchThreads();
    // Null searches every position it meets; the default is shared by the whole process.
    CTranspositionStore* store = &CTranspositionStore::Shared();
};

class CMoveSearch {
public:
    static constexpr int kMaxDepth = 80;
    static constexpr int kMaxBreadth = 20;
    static constexpr int kMaxThreads = 64;
    static constexpr uint32_t kNoBudget = UINT32_MAX;

    // `previousMove` is this player's last move (empty before its first), read at the root only.
    CMoveSearch(const CGameBoard& board, PlayerColor root, int rating, uint32_t budgetMs,
                int moveCount, std::span<const PlayerColor> turnOrder, const Move& previousMove,
                const SearchSetup& setup = {});
    ~CMoveSearch();
    CMoveSearch(const CMoveSearch&) = delete;
    CMoveSearch& operator=(const CMoveSearch&) = delete;

    // Searches and leaves the best move. Runs on the worker thread.
    void Run();
    // Spends the budget: every thread of the search ends within a few nodes. Safe from any thread.
    void Stop();

    // False when the root kept no candidate or accepted none.
    bool HasBestMove() const { return best_.count > 0; }
    const Candidate& BestMove() const { return best_; }

    uint64_t Nodes() const { return nodes_; }
    // Candidates generated and scored over the whole search.
    uint64_t Candidates() const { return candidates_; }
    // The root's value per colour once Run has returned.
    const std::array<float, kColorCount>& RootValues() const { return rootValues_; }
    int Threads() const { return static_cast<int>(workers_.size()); }

private:
    struct Frame;
    struct Worker;

    void SearchRoot(int turn);
    void SearchRootChildren(int turn, int count);
    void SearchChildOfRoot(Worker& w, int turn, int slot);
    void Search(Worker& w, int turn, int depth);
    void Expand(Worker& w, int turn, int depth);
    void Generate(Worker& w, Frame& f, PlayerColor c, int depth) const;
    int Breadth(int depth, PlayerColor c) const;
    bool TimeUp();
    bool PrefersAtRoot(const Candidate& x) const;
    void BuildCandidate(const Frame& f, int slot, Candidate& out) const;

    CGameBoard board_;
    PlayerColor root_;
    int rating_;
    std::atomic<uint32_t> budget_;
    std::atomic<bool> stopped_{false};
    // Some node became a leaf because time ran out: from then on values are not the full
    // search's, and nothing more is stored.
    std::atomic<bool> cut_{false};
    uint32_t start_ = 0;
    int moveCount_;
    std::array<PlayerColor, kColorCount> order_{};
    int players_ = 0;
    Move previous_;
    int depthLimit_ = 0;
    PlayerColor leader_ = 0;
    PlayerColor favoured_ = 0;  // the other colour that keeps four answers near the root
    float initialValue_ = 0;
    CPositionEvaluator evaluator_;
    CCandidateGenerator generator_;
    CTranspositionStore* store_;
    uint64_t searchId_ = 0;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::unique_ptr<std::array<std::array<float, kColorCount>, 20>> rootChildren_;
    std::array<float, kColorCount> rootValues_{};
    Candidate best_{};
    uint64_t nodes_ = 0;
    uint64_t candidates_ = 0;
};

}  // namespace halmora
