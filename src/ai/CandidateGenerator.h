// The search's own way to generate, score and select a colour's candidates at a node. It gives
// exactly what generation, scoring and selection give move by move, but is built for the inner
// loop of the search: the zones, rows and target distances a score reads are laid out per colour
// once per search, a move whose best possible total cannot be kept is judged on whole
// hundredths (every score component is a multiple of 0.01) without working out its Build or its
// floating-point total, and only the ends of a path are kept.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "ai/Score.h"
#include "board/BasicBoard.h"

namespace halmora {

// A candidate as the search keeps it: the ends of its path and the move it continues, so the
// whole path can be rebuilt for the one move that is played. Only a move that could be kept
// has its score filled in.
struct SearchMove {
    int16_t start;
    int16_t end;
    int16_t parent;  // index of the move this jump chain continues, -1 for none
    Score score;
};

namespace detail {
struct GeneratorTables;
}

class CCandidateGenerator {
public:
    static constexpr int kMaxCandidates = kTriangleHoles * kMaxMoves;

    CCandidateGenerator();
    // Lays out the tables of the board's zones, targets and the game's move count. The board
    // given to Generate must be this one or one reached from it by moves.
    void Prepare(const CBasicBoard& board, int moveCount);
    ~CCandidateGenerator();
    CCandidateGenerator(const CCandidateGenerator&) = delete;
    CCandidateGenerator& operator=(const CCandidateGenerator&) = delete;

    // Every move of colour c, marble by marble in index order, into `all`; the indices of at most
    // `breadth` kept ones into `kept` in slot order. Returns the number of moves.
    int Generate(const CBasicBoard& b, PlayerColor c, int breadth, SearchMove* all, int16_t* kept,
                 int& keptCount) const;

    // The whole path of all[index].
    static void BuildPath(const SearchMove* all, int index, Move& out);

private:
    std::unique_ptr<detail::GeneratorTables> t_;
};

}  // namespace halmora
