// The tables the shape value is read from: which cells one and two steps away a marble looks at,
// what each combination of their occupants adds, and how a cell's occupant is classed for a
// colour. Shared by the evaluation and the search's kept-up-to-date position values.
#pragma once

#include <cstdint>

#include "board/BasicBoard.h"
#include "board/BoardGeometry.h"

namespace halmora::shape {

// For the shape value, the cells one and two steps away in each direction: off the grid the
// neighbour is the always-empty cell; the cell two steps away counts as outside unless its column
// and row are both within 0..17, which `outside` says by adding 3 to its class.
struct ShapeLinks {
    int16_t near[kPlaceCount][kDirectionCount];
    int16_t far[kPlaceCount][kDirectionCount];
    uint8_t outside[kPlaceCount][kDirectionCount];
    constexpr ShapeLinks() : near{}, far{}, outside{} {
        for (int i = 0; i < kPlaceCount; ++i) {
            const Place h{i % kGridSize, i / kGridSize};
            for (int d = 0; d < kDirectionCount; ++d) {
                const Place n = Neighbour(h, d);
                near[i][d] = static_cast<int16_t>(InsideGrid(n) ? PlaceIndex(n) : kEmptyCell);
                const Place l = JumpLanding(h, d);
                const bool inside = l.col >= 0 && l.col <= 17 && l.row >= 0 && l.row <= 17;
                far[i][d] = static_cast<int16_t>(inside ? PlaceIndex(l) : kEmptyCell);
                outside[i][d] = inside ? 0 : 3;
            }
        }
    }
};
inline constexpr ShapeLinks kShapeLinks;

// What one direction adds to the shape value, by the class of the neighbour (0 empty, 1 own,
// 2 another colour) and of the cell beyond (the same, 3 outside): own and other as floats, their
// sum when no penalty applies, and whether the distance penalty may apply (own below 0.2).
// Worked out with the same float steps as the rule, so sums stay bit for bit.
struct ShapeTerm {
    float own;
    float other;
    float sum;
    bool penalised;
};
struct ShapeTerms {
    ShapeTerm term[12];
    constexpr ShapeTerms() : term{} {
        for (int n = 0; n < 3; ++n) {
            for (int b = 0; b < 4; ++b) {
                ShapeTerm& t = term[n * 4 + b];
                t = {0.0f, 0.0f, 0.0f, false};
                if (n == 0 || b == 0)
                    continue;  // nothing beside, or nothing beyond: the direction adds nothing
                float own = n == 1 ? 0.1f : 0.0f;
                float other = n == 1 ? 0.0f : 0.05f;
                if (b == 1)
                    own = static_cast<float>(own + 0.1);
                else if (b == 2)
                    other = static_cast<float>(other + 0.05);
                t = {own, other, own + other, own < 0.2};
            }
        }
    }
};
inline constexpr ShapeTerms kShapeTerms;

// Class of a cell's occupant seen from colour p: 0 empty, 1 p's own, 2 another colour.
struct OccupantClasses {
    uint8_t of[kColorCount][256];
    constexpr OccupantClasses() : of{} {
        for (int p = 0; p < kColorCount; ++p)
            for (int o = 0; o < 256; ++o)
                of[p][o] = o == kNoColor8 ? 0 : o == p ? 1 : 2;
    }
};
inline constexpr OccupantClasses kOccupantClasses;

// The reverse of the links: for a cell x and a direction d, the place whose neighbour in d is x,
// and the place whose cell two steps away in d is x (within the range the shape value looks at);
// -1 for none. A change of x's occupant changes exactly these places' terms in direction d.
struct ReverseLinks {
    int16_t near[kPlaceCount][kDirectionCount];
    int16_t far[kPlaceCount][kDirectionCount];
    constexpr ReverseLinks() : near{}, far{} {
        for (int i = 0; i < kPlaceCount; ++i) {
            for (int d = 0; d < kDirectionCount; ++d) {
                near[i][d] = -1;
                far[i][d] = -1;
            }
        }
        for (int h = 0; h < kPlaceCount; ++h) {
            for (int d = 0; d < kDirectionCount; ++d) {
                if (kShapeLinks.near[h][d] != kEmptyCell)
                    near[kShapeLinks.near[h][d]][d] = static_cast<int16_t>(h);
                if (kShapeLinks.outside[h][d] == 0)
                    far[kShapeLinks.far[h][d]][d] = static_cast<int16_t>(h);
            }
        }
    }
};
inline constexpr ReverseLinks kReverseLinks;

}  // namespace halmora::shape
