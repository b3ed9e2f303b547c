// Saved-game records made by code for tests.
#pragma once

#include "board/BoardGeometry.h"
#include "game/SavedGameRecord.h"

namespace halmora::testing {

// The star's holes with their zones, and the marbles of every seated colour at home.
inline void FillStartHoles(SavedGameRecord& r) {
    for (int row = 0; row < kGridSize; ++row)
        for (int col = 0; col < kGridSize; ++col)
            r.holes[PlaceIndex(col, row)].isHole = IsHolePlace(col, row);
    for (int c = 0; c < kColorCount; ++c)
        for (Place p : TriangleHoles(c)) {
            r.holes[PlaceIndex(p)].zone = c;
            if (r.seatTypes[c] != 0)
                r.holes[PlaceIndex(p)].occupant = c;
        }
}

}  // namespace halmora::testing
