// A place on the 19 by 19 grid that every hole of the star lies on, and the colour type that
// names seats, triangles and marbles.
#pragma once

#include <cstdint>

namespace halmora {

using PlayerColor = int32_t;  // 0..5: Yellow, Purple, Blue, Red, Orange, Green
inline constexpr PlayerColor kNoColor = -1;
inline constexpr uint8_t kNoColor8 = 255;  // "no colour" in 8-bit cell fields
inline constexpr int kColorCount = 6;

// A colour as stored in an 8-bit cell field: anything outside 0..5 is "none".
inline constexpr uint8_t ToColor8(int32_t c) {
    return (c >= 0 && c < kColorCount) ? static_cast<uint8_t>(c) : kNoColor8;
}

inline constexpr int kGridSize = 19;
inline constexpr int kPlaceCount = kGridSize * kGridSize;

struct Place {
    int32_t col = 0;
    int32_t row = 0;
    friend constexpr bool operator==(const Place&, const Place&) = default;
};

inline constexpr bool InsideGrid(int col, int row) {
    return col >= 0 && col < kGridSize && row >= 0 && row < kGridSize;
}
inline constexpr bool InsideGrid(Place p) {
    return InsideGrid(p.col, p.row);
}

// Row-major index of a place inside the grid.
inline constexpr int PlaceIndex(int col, int row) {
    return row * kGridSize + col;
}
inline constexpr int PlaceIndex(Place p) {
    return PlaceIndex(p.col, p.row);
}

}  // namespace halmora
