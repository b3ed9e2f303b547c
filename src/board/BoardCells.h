// A plain snapshot of a game board, four bytes a place, that the mouse input generates moves on.
#pragma once

#include <array>
#include <cstdint>

#include "board/Place.h"

namespace halmora {

class CGameBoard;

struct BoardCell {
    uint8_t isHole = 0;
    uint8_t zone = kNoColor8;
    uint8_t occupant = kNoColor8;
    uint8_t weight = 0;  // zone weight 1..4 of a triangle hole, 0 otherwise
};

struct BoardCells {
    std::array<BoardCell, kPlaceCount> cells{};

    const BoardCell& At(Place p) const { return cells[PlaceIndex(p)]; }

    static BoardCells Snapshot(const CGameBoard& board);
};

}  // namespace halmora
