// A computer seat. Each turn it runs a CMoveSearch on a worker thread of its own and the game tick
// polls it until the chosen move has been placed or animated on the board. The two threads share
// only the search object: the worker writes it, and the user-interface thread reads it once the
// worker has said it is done (an atomic flag, its last act) and has been joined. Stopping is the
// search's atomic budget, so no lock and no suspension is needed.
//
//   CComputerPlayer ai(kRed, 6, "");        // "Master A.I.", rating 2000
//   ai.BeginTurn(canvas, board, turn);
//   while (ai.PollTurn(canvas, board) != kMoveDone) { ... next tick ... }
//   record(ai.PreviousMove());              // empty when the colour had no legal move
#pragma once

#include <pthread.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "ai/MoveSearch.h"
#include "game/Player.h"

namespace halmora {

class CComputerPlayer : public CPlayer {
public:
    static constexpr uint32_t kClocksOffBudgetMs = 180000;
    static constexpr std::size_t kThreadStackBytes = 20 * 1024 * 1024;

    // Rating and name come from the level of `seatType` (see ComputerLevel); `name` is not used.
    CComputerPlayer(PlayerColor colour, PlayerType seatType, std::string_view name);
    // Stops a search under way and waits for its thread before anything is freed.
    ~CComputerPlayer() override;

    // Starts the search thread. A search still under way from an abandoned turn (a restarted
    // game) is stopped and dropped first.
    void BeginTurn(CBoardCanvas& canvas, CGameBoard& board, const TurnInfo& turn) override;
    // Collects the move once the thread is done and shows it. Answers 4 with an empty
    // PreviousMove() when the colour has no legal move: the game should pass the turn on.
    int32_t PollTurn(CBoardCanvas& canvas, CGameBoard& board) override;
    // Ends the search within a few nodes; the next polls collect the best move found so far.
    void ForceMove() override;

    // Caps every later turn's budget, for tools that play many games quickly.
    void SetBudgetLimit(uint32_t ms) { budgetLimit_ = ms; }

    // Milliseconds the search may think this turn, before any cap.
    static uint32_t TimeBudget(const TurnInfo& turn);

private:
    // What the worker thread sees: the search it runs and the flag it sets when done.
    struct SearchThreadParam {
        CMoveSearch* search = nullptr;
        std::atomic<bool> finished{false};
    };

    static void* ThreadMain(void* param);
    void EndSearch();
    void ShowMove(CBoardCanvas& canvas, CGameBoard& board);
    Move FallbackMove(const CGameBoard& board) const;

    const int levelRating_;
    uint32_t budgetLimit_ = CMoveSearch::kNoBudget;
    int moveCount_ = 0;
    std::unique_ptr<CMoveSearch> search_;
    SearchThreadParam param_;
    pthread_t thread_{};
    bool threadRunning_ = false;  // started and not yet joined
};

}  // namespace halmora
