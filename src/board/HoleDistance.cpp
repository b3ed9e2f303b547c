#include "board/HoleDistance.h"

namespace halmora::detail {
namespace {

constexpr HoleDistanceTable MakeTable() {
    HoleDistanceTable t{};
    for (int r1 = 0; r1 < kGridSize; ++r1)
        for (int c1 = 0; c1 < kGridSize; ++c1)
            for (int r2 = 0; r2 < kGridSize; ++r2)
                for (int c2 = 0; c2 < kGridSize; ++c2)
                    t.steps[PlaceIndex(c1, r1)][PlaceIndex(c2, r2)] =
                        static_cast<int8_t>(ComputeHoleDistance(c1, r1, c2, r2));
    return t;
}

}  // namespace

constinit const HoleDistanceTable kHoleDistances = MakeTable();

}  // namespace halmora::detail
