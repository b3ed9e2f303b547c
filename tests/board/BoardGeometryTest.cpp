#include "board/BoardGeometry.h"

#include <gtest/gtest.h>

#include <set>

namespace halmora {
namespace {

std::pair<int, int> Key(Place p) {
    return {p.col, p.row};
}

TEST(BoardGeometry, StarHas121HolesAndNoneOnTheGridEdge) {
    int holes = 0;
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            if (!IsHolePlace(col, row))
                continue;
            ++holes;
            EXPECT_TRUE(row > 0 && row < 18 && col > 0 && col < 18) << col << "," << row;
        }
    }
    EXPECT_EQ(holes, kHoleCount);
    EXPECT_FALSE(IsHolePlace(-1, 5));
    EXPECT_FALSE(IsHolePlace(8, 19));
}

TEST(BoardGeometry, RingsListEveryHoleOnceWithTheirSizes) {
    const size_t sizes[kRingCount] = {1, 6, 12, 18, 24, 24, 18, 12, 6};
    std::set<std::pair<int, int>> seen;
    for (int k = 0; k < kRingCount; ++k) {
        ASSERT_EQ(Ring(k).size(), sizes[k]);
        for (size_t i = 0; i < Ring(k).size(); ++i) {
            const Place p = Ring(k)[i];
            EXPECT_TRUE(IsHolePlace(p.col, p.row));
            EXPECT_TRUE(seen.insert(Key(p)).second) << "twice: " << p.col << "," << p.row;
            EXPECT_EQ(RingSlotOf(p).ring, k);
            EXPECT_EQ(RingSlotOf(p).index, static_cast<int>(i));
        }
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(kHoleCount));
    EXPECT_EQ(RingSlotOf({0, 0}).ring, -1);
}

TEST(BoardGeometry, TrianglesAreTipFirstInClockwiseOrder) {
    // clang-format off
    const Place expected[6][10] = {
        {{8,1},  {7,2},  {8,2},  {7,3},  {8,3},  {9,3},  {6,4},  {7,4},  {8,4},  {9,4}},
        {{14,5}, {13,5}, {13,6}, {12,5}, {12,6}, {13,7}, {11,5}, {11,6}, {12,7}, {12,8}},
        {{14,13},{13,12},{13,13},{13,11},{12,12},{12,13},{12,10},{12,11},{11,12},{11,13}},
        {{8,17}, {8,16}, {7,16}, {9,15}, {8,15}, {7,15}, {9,14}, {8,14}, {7,14}, {6,14}},
        {{2,13}, {3,13}, {2,12}, {4,13}, {3,12}, {3,11}, {5,13}, {4,12}, {4,11}, {3,10}},
        {{2,5},  {2,6},  {3,5},  {3,7},  {3,6},  {4,5},  {3,8},  {4,7},  {4,6},  {5,5}},
    };
    // clang-format on
    for (int t = 0; t < 6; ++t) {
        const auto holes = TriangleHoles(t);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(holes[i], expected[t][i]) << "t=" << t << " i=" << i;
    }
    EXPECT_EQ(ZoneWeightAt(0), 4);
    EXPECT_EQ(ZoneWeightAt(2), 3);
    EXPECT_EQ(ZoneWeightAt(5), 2);
    EXPECT_EQ(ZoneWeightAt(9), 1);
}

TEST(BoardGeometry, StepsAndJumpsAgreeWhateverTheRowParity) {
    for (int row = 2; row < 17; ++row) {
        for (int col = 2; col < 17; ++col) {
            const Place p{col, row};
            for (int d = 0; d < kDirectionCount; ++d) {
                const Place n = Neighbour(p, d);
                EXPECT_EQ(Neighbour(n, (d + 3) % 6), p) << "back step";
                EXPECT_EQ(Neighbour(n, d), JumpLanding(p, d)) << "jump";
            }
        }
    }
    // The centre's neighbours clockwise from up-right.
    const Place ring1[] = {{8, 8}, {9, 9}, {8, 10}, {7, 10}, {7, 9}, {7, 8}};
    for (int d = 0; d < 6; ++d)
        EXPECT_EQ(Neighbour(kCentre, d), ring1[d]);
    EXPECT_EQ(Neighbour({5, 4}, 0), (Place{6, 3}));
}

TEST(BoardGeometry, RotationTurnsTrianglesOntoTheNext) {
    EXPECT_EQ(RotatePlace({8, 8}, 0), (Place{9, 9}));
    EXPECT_EQ(RotatePlace({8, 8}, 1), (Place{7, 8}));
    EXPECT_EQ(RotatePlace(kCentre, 0), kCentre);
    for (int t = 0; t < 6; ++t) {
        const auto from = TriangleHoles(t);
        const auto left = TriangleHoles((t + 1) % 6);
        const auto right = TriangleHoles((t + 5) % 6);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(RotatePlace(from[i], 0), left[i]);
            EXPECT_EQ(RotatePlace(from[i], 1), right[i]);
        }
    }
}

}  // namespace
}  // namespace halmora
