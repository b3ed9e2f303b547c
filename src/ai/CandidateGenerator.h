// The search's own way to generate, score and select a colour's candidates at a node. It gives
// exactly what generation, scoring and selection give move by move, but is built for the inner
// loop of the search:
// - the zones, rows and target distances a score reads are laid out per colour once per search;
// - a move whose best possible total cannot be kept is judged on whole hundredths (every score
//   component is a multiple of 0.01) without working out its Build or its floating-point total;
// - what depends only on the board and a hole (the jumps open from it, the Build of a move
//   ending there) is worked out once per node, however many marbles reach the hole;
// - only the ends of a path and what selection compares are kept, and whole scores only for the
//   kept moves.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "ai/Score.h"
#include "board/BasicBoard.h"

namespace halmora {

// A candidate as the search keeps it: the ends of its path and the move it continues, so the
// whole path can be rebuilt for the one move that is played, and what selection compares. The
// total is filled in only for a move that could be kept.
struct SearchMove {
    int16_t start;
    int16_t end;
    int16_t parent;  // index of the move this jump chain continues, -1 for none
    int16_t startDistance;
    float total;
};

namespace detail {
struct GeneratorTables;
}

// What one thread's generation remembers within a node; reused from node to node.
class CGeneratorScratch {
public:
    CGeneratorScratch();

private:
    friend class CCandidateGenerator;
    uint32_t node_ = 0;
    std::array<uint32_t, kPlaceCount + 1> jumpsSeen_{};
    std::array<uint8_t, kPlaceCount + 1> jumps_{};
    std::array<uint32_t, kPlaceCount + 1> buildSeen_{};
    std::array<uint8_t, kPlaceCount + 1> builders_{};
    std::array<uint8_t, kPlaceCount + 1> ownBeside_{};  // zero between nodes
};

class CCandidateGenerator {
public:
    static constexpr int kMaxCandidates = kTriangleHoles * kMaxMoves;
    static constexpr int kMaxKept = 20;

    CCandidateGenerator();
    ~CCandidateGenerator();
    CCandidateGenerator(const CCandidateGenerator&) = delete;
    CCandidateGenerator& operator=(const CCandidateGenerator&) = delete;

    // Lays out the tables of the board's zones, targets and the game's move count. The board
    // given to Generate must be this one or one reached from it by moves.
    void Prepare(const CBasicBoard& board, int moveCount);

    // Every move of colour c, marble by marble in index order, into `all`; the indices of at most
    // `breadth` (up to 20) kept ones into `kept` in slot order, with their whole scores in
    // `keptScores` unless it is null. Returns the number of moves.
    int Generate(const CBasicBoard& b, PlayerColor c, int breadth, CGeneratorScratch& scratch,
                 SearchMove* all, int16_t* kept, Score* keptScores, int& keptCount) const;

    // The whole path of all[index].
    static void BuildPath(const SearchMove* all, int index, Move& out);

private:
    std::unique_ptr<detail::GeneratorTables> t_;
};

}  // namespace halmora
