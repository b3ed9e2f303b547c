// Positions reached by seeded random play, for benchmarks, tests and varied openings. The random
// source is a fixed algorithm so that a seed gives the same position on every machine.
#pragma once

#include <cstdint>
#include <span>

#include "board/GameBoard.h"
#include "board/Move.h"

namespace halmora {

class SplitMix64 {
public:
    explicit SplitMix64(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    // Uniform in 0..bound-1 (bound > 0).
    uint32_t Below(uint32_t bound) { return static_cast<uint32_t>((Next() >> 32) * bound >> 32); }

private:
    uint64_t state_;
};

// Draws one of colour c's legal moves, all moves equally likely; false when it has none.
bool PickRandomMove(const CGameBoard& board, PlayerColor c, SplitMix64& random, Move& out);

// Plays `plies` random legal moves on the board, the colours of `order` moving in turn; a colour
// with no move is passed over. Returns the number of moves made.
int PlayRandomMoves(CGameBoard& board, std::span<const PlayerColor> order, int plies,
                    SplitMix64& random);

}  // namespace halmora
