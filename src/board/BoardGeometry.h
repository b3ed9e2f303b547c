// The fixed shape of the star: which grid places are holes, the six directions and their steps
// by row parity, jumps, the centre and its eight rings in clockwise order, the six triangles, zone
// weights and colour names. Everything here is constant; the tables are the reference the
// rotation, the set-up and the move generator are defined through.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "board/Place.h"

namespace halmora {

inline constexpr int kDirectionCount = 6;
inline constexpr int kRingCount = 9;
inline constexpr int kHoleCount = 121;
inline constexpr int kTriangleHoles = 10;
inline constexpr Place kCentre{8, 9};

// True for the 121 holes of the star.
bool IsHolePlace(int col, int row);

struct Step {
    int8_t dc;
    int8_t dr;
};

// The step of direction d (0 up-right, clockwise) taken from a row of the given parity.
inline constexpr Step StepFrom(int row, int dir) {
    // clang-format off
    constexpr Step kEven[kDirectionCount] = {{+1, -1}, {+1, 0}, {+1, +1}, {0, +1}, {-1, 0}, {0, -1}};
    constexpr Step kOdd[kDirectionCount]  = {{0, -1},  {+1, 0}, {0, +1},  {-1, +1}, {-1, 0}, {-1, -1}};
    // clang-format on
    return (row & 1) ? kOdd[dir] : kEven[dir];
}

inline constexpr Place Neighbour(Place p, int dir) {
    const Step s = StepFrom(p.row, dir);
    return {p.col + s.dc, p.row + s.dr};
}

// Two steps in one direction: the parity of the middle row cancels the start row's, so the
// landing does not depend on the start row.
inline constexpr Place JumpLanding(Place p, int dir) {
    const Step even = StepFrom(0, dir);
    const Step odd = StepFrom(1, dir);
    return {p.col + even.dc + odd.dc, p.row + 2 * even.dr};
}

// Ring k (0..8) of holes round the centre, in clockwise screen order.
std::span<const Place> Ring(int k);

// Ring number and index within the ring of a hole; {-1, -1} for places that are not holes.
struct RingSlot {
    int8_t ring;
    int8_t index;
};
RingSlot RingSlotOf(Place p);

// Triangle at position t (0 top, clockwise) as its hole list, tip first.
std::array<Place, kTriangleHoles> TriangleHoles(int position);

// Zone weight of the hole at index i (0..9) of a triangle's list: 4 for the tip down to 1.
inline constexpr int ZoneWeightAt(int index) {
    constexpr int kWeights[kTriangleHoles] = {4, 3, 3, 2, 2, 2, 1, 1, 1, 1};
    return kWeights[index];
}

std::string_view ColourName(PlayerColor c);

// Turns a place a sixth of a turn round the centre: direction 0 moves it n/6 places forward in
// its ring (clockwise on the screen), direction 1 back. Places that are not holes are unchanged.
Place RotatePlace(Place p, int direction);

// Which colour each triangle position gets for a game seating the given colours.
std::array<PlayerColor, kColorCount> TriangleColoursFor(
    const std::array<bool, kColorCount>& seated);

}  // namespace halmora
