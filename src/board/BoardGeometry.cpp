#include "board/BoardGeometry.h"

namespace halmora {
namespace {

// clang-format off
struct RowSpan { int8_t first; int8_t last; };
constexpr RowSpan kRowHoles[kGridSize] = {
    {1, 0},                                      // row 0: none
    {8, 8},  {7, 8},  {7, 9},  {6, 9},  {2, 14},  // rows 1..5
    {2, 13}, {3, 13}, {3, 12}, {4, 12}, {3, 12},  // rows 6..10
    {3, 13}, {2, 13}, {2, 14}, {6, 9},  {7, 9},   // rows 11..15
    {7, 8},  {8, 8},                              // rows 16..17
    {1, 0},                                      // row 18: none
};

constexpr Place kRing0[] = {{8, 9}};
constexpr Place kRing1[] = {{8, 8}, {9, 9}, {8, 10}, {7, 10}, {7, 9}, {7, 8}};
constexpr Place kRing2[] = {{8, 7}, {9, 7}, {9, 8}, {10, 9}, {9, 10}, {9, 11}, {8, 11}, {7, 11},
                            {6, 10}, {6, 9}, {6, 8}, {7, 7}};
constexpr Place kRing3[] = {{8, 6}, {9, 6}, {10, 7}, {10, 8}, {11, 9}, {10, 10}, {10, 11}, {9, 12},
                            {8, 12}, {7, 12}, {6, 12}, {6, 11}, {5, 10}, {5, 9}, {5, 8}, {6, 7},
                            {6, 6}, {7, 6}};
constexpr Place kRing4[] = {{8, 5}, {9, 5}, {10, 5}, {10, 6}, {11, 7}, {11, 8}, {12, 9}, {11, 10},
                            {11, 11}, {10, 12}, {10, 13}, {9, 13}, {8, 13}, {7, 13}, {6, 13},
                            {5, 12}, {5, 11}, {4, 10}, {4, 9}, {4, 8}, {5, 7}, {5, 6}, {6, 5},
                            {7, 5}};
constexpr Place kRing5[] = {{6, 4}, {7, 4}, {8, 4}, {9, 4}, {11, 5}, {11, 6}, {12, 7}, {12, 8},
                            {12, 10}, {12, 11}, {11, 12}, {11, 13}, {9, 14}, {8, 14}, {7, 14},
                            {6, 14}, {5, 13}, {4, 12}, {4, 11}, {3, 10}, {3, 8}, {4, 7}, {4, 6},
                            {5, 5}};
constexpr Place kRing6[] = {{7, 3}, {8, 3}, {9, 3}, {12, 5}, {12, 6}, {13, 7}, {13, 11}, {12, 12},
                            {12, 13}, {9, 15}, {8, 15}, {7, 15}, {4, 13}, {3, 12}, {3, 11},
                            {3, 7}, {3, 6}, {4, 5}};
constexpr Place kRing7[] = {{7, 2}, {8, 2}, {13, 5}, {13, 6}, {13, 12}, {13, 13}, {8, 16}, {7, 16},
                            {3, 13}, {2, 12}, {2, 6}, {3, 5}};
constexpr Place kRing8[] = {{8, 1}, {14, 5}, {14, 13}, {8, 17}, {2, 13}, {2, 5}};

constexpr std::span<const Place> kRings[kRingCount] = {
    kRing0, kRing1, kRing2, kRing3, kRing4, kRing5, kRing6, kRing7, kRing8,
};

constexpr std::string_view kColourNames[kColorCount] = {
    "Yellow", "Purple", "Blue", "Red", "Orange", "Green",
};

// Triangle position of the k-th seated colour, by number of seated colours; -1 where a count
// assigns none.
constexpr int kSeatPositions[kColorCount + 1][kColorCount] = {
    {-1, -1, -1, -1, -1, -1},  // 0
    {-1, -1, -1, -1, -1, -1},  // 1
    { 0,  3, -1, -1, -1, -1},  // 2
    { 1,  3,  5, -1, -1, -1},  // 3
    { 5,  2,  4,  1, -1, -1},  // 4
    {-1, -1, -1, -1, -1, -1},  // 5
    { 0,  1,  2,  3,  4,  5},  // 6
};
// clang-format on

struct RingSlots {
    RingSlot slot[kPlaceCount];
    constexpr RingSlots() : slot{} {
        for (auto& s : slot)
            s = {-1, -1};
        for (int k = 0; k < kRingCount; ++k) {
            for (size_t i = 0; i < kRings[k].size(); ++i) {
                slot[PlaceIndex(kRings[k][i])] = {static_cast<int8_t>(k), static_cast<int8_t>(i)};
            }
        }
    }
};
constexpr RingSlots kRingSlots;

}  // namespace

bool IsHolePlace(int col, int row) {
    if (!InsideGrid(col, row))
        return false;
    const RowSpan span = kRowHoles[row];
    return col >= span.first && col <= span.last;
}

std::span<const Place> Ring(int k) {
    return kRings[k];
}

RingSlot RingSlotOf(Place p) {
    if (!InsideGrid(p))
        return {-1, -1};
    return kRingSlots.slot[PlaceIndex(p)];
}

std::array<Place, kTriangleHoles> TriangleHoles(int t) {
    // Rings 8..5 hold 1, 2, 3 and 4 holes of every triangle in turn.
    std::array<Place, kTriangleHoles> holes{};
    int n = 0;
    for (int ring = 8, width = 1; ring >= 5; --ring, ++width) {
        for (int i = 0; i < width; ++i)
            holes[n++] = kRings[ring][width * t + i];
    }
    return holes;
}

std::string_view ColourName(PlayerColor c) {
    return (c >= 0 && c < kColorCount) ? kColourNames[c] : std::string_view{};
}

Place RotatePlace(Place p, int direction) {
    const RingSlot s = RingSlotOf(p);
    if (s.ring <= 0)
        return p;
    const int n = static_cast<int>(kRings[s.ring].size());
    const int shift = direction == 0 ? n / 6 : n - n / 6;
    return kRings[s.ring][(s.index + shift) % n];
}

std::array<PlayerColor, kColorCount> TriangleColoursFor(
    const std::array<bool, kColorCount>& seated) {
    std::array<PlayerColor, kColorCount> colourAt;
    colourAt.fill(kNoColor);
    int count = 0;
    for (bool s : seated)
        count += s ? 1 : 0;
    bool given[kColorCount] = {};
    int k = 0;
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        if (!seated[c])
            continue;
        const int position = kSeatPositions[count][k++];
        if (position >= 0) {
            colourAt[position] = c;
            given[c] = true;
        }
    }
    for (int position = 0; position < kColorCount; ++position) {
        if (colourAt[position] != kNoColor)
            continue;
        PlayerColor lowest = 0;
        while (given[lowest])
            ++lowest;
        colourAt[position] = lowest;
        given[lowest] = true;
    }
    return colourAt;
}

}  // namespace halmora
