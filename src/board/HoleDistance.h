// Step distances between any two places of the grid, off-board places included: the number of
// single steps on the unbounded grid. The table is computed at compile time, so it is read-only
// and shared by every thread without any set-up call.
#pragma once

#include <cstdint>

#include "board/Place.h"

namespace halmora {

namespace detail {
// Values never exceed 36, so a byte each keeps the 130,321 entries in cache.
struct HoleDistanceTable {
    int8_t steps[kPlaceCount][kPlaceCount];  // [row1 * 19 + col1][row2 * 19 + col2]
};
extern const HoleDistanceTable kHoleDistances;
}  // namespace detail

// The closed formula the table is filled from.
constexpr int ComputeHoleDistance(int col1, int row1, int col2, int row2) {
    const int dc = col1 > col2 ? col1 - col2 : col2 - col1;
    const int dr = row1 > row2 ? row1 - row2 : row2 - row1;
    int s;
    if ((row1 & 1) == (row2 & 1)) {
        s = dr / 2;
    } else if (((row1 & 1) == 0 && col1 <= col2) || ((row1 & 1) == 1 && col1 > col2)) {
        s = (dr + 1) / 2;
    } else {
        s = (dr - 1) / 2;
    }
    return dc >= s ? dr + (dc - s) : dr;
}

inline int HoleDistance(int col1, int row1, int col2, int row2) {
    return detail::kHoleDistances.steps[PlaceIndex(col1, row1)][PlaceIndex(col2, row2)];
}
inline int HoleDistance(Place a, Place b) {
    return HoleDistance(a.col, a.row, b.col, b.row);
}

// The same by row-major place indices.
inline int HoleDistanceAt(int a, int b) {
    return detail::kHoleDistances.steps[a][b];
}

}  // namespace halmora
