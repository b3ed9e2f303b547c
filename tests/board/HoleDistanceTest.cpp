#include "board/HoleDistance.h"

#include <gtest/gtest.h>

#include <queue>
#include <vector>

#include "board/BoardGeometry.h"

namespace halmora {
namespace {

// Breadth-first step counts on a grid large enough to stand for the unbounded one; the margin
// is even so that row parities, and with them the steps, are unchanged.
constexpr int kMargin = 20;
constexpr int kWide = kGridSize + 2 * kMargin;

std::vector<int> StepsFrom(Place from) {
    std::vector<int> dist(kWide * kWide, -1);
    std::queue<Place> queue;
    const Place start{from.col + kMargin, from.row + kMargin};
    dist[start.row * kWide + start.col] = 0;
    queue.push(start);
    while (!queue.empty()) {
        const Place p = queue.front();
        queue.pop();
        for (int d = 0; d < kDirectionCount; ++d) {
            const Place n = Neighbour(p, d);
            if (n.col < 0 || n.row < 0 || n.col >= kWide || n.row >= kWide)
                continue;
            int& slot = dist[n.row * kWide + n.col];
            if (slot >= 0)
                continue;
            slot = dist[p.row * kWide + p.col] + 1;
            queue.push(n);
        }
    }
    return dist;
}

TEST(HoleDistance, EqualsBreadthFirstStepsForEveryPairAndIsSymmetric) {
    for (int r1 = 0; r1 < kGridSize; ++r1) {
        for (int c1 = 0; c1 < kGridSize; ++c1) {
            const std::vector<int> steps = StepsFrom({c1, r1});
            for (int r2 = 0; r2 < kGridSize; ++r2) {
                for (int c2 = 0; c2 < kGridSize; ++c2) {
                    const int expected = steps[(r2 + kMargin) * kWide + c2 + kMargin];
                    ASSERT_EQ(HoleDistance(c1, r1, c2, r2), expected)
                        << c1 << "," << r1 << " to " << c2 << "," << r2;
                    ASSERT_EQ(HoleDistance(c2, r2, c1, r1), expected);
                }
            }
        }
    }
}

}  // namespace
}  // namespace halmora
