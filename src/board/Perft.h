// Exact move-tree counts: how many move sequences of a given length the generator allows from a
// position, the players moving in turn. A change to the generator that alters a count changes
// what is legal.
#pragma once

#include <cstdint>
#include <span>

#include "board/BasicBoard.h"
#include "board/GameBoard.h"

namespace halmora {

// Sets the board up for a game seating the given colours, their marbles on their home triangles.
void SetUpStartPosition(CGameBoard& board, const std::array<bool, kColorCount>& seated);

// Leaf count after `depth` moves, the colours of `order` moving in turn from `turn`.
uint64_t Perft(CBasicBoard& board, std::span<const PlayerColor> order, int turn, int depth);

}  // namespace halmora
