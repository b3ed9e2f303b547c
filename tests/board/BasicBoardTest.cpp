#include "board/BasicBoard.h"

#include <gtest/gtest.h>

#include <set>

#include "board/HoleDistance.h"
#include "board/MoveGenerator.h"
#include "board/RandomPlay.h"
#include "support/Boards.h"

namespace halmora {
namespace {

using namespace halmora::testing;

// Yellow's target is the bottom triangle, tip first.
constexpr Place kBottom[10] = {{8, 17}, {8, 16}, {7, 16}, {9, 15}, {8, 15},
                               {7, 15}, {9, 14}, {8, 14}, {7, 14}, {6, 14}};
constexpr Place kTip = kBottom[0];

// Index of the marble standing on p.
int MarbleOn(const CBasicBoard& b, Place p) {
    return b.Cell(p).marbleIndex;
}

TEST(BasicBoard, BuildCopiesCellsAndListsMarblesRowByRow) {
    CGameBoard board;
    SetUpStartPosition(board, Seats({kYellow, kRed}));
    board.MoveMarble({9, 4}, {8, 9});
    CBasicBoard b;
    b.BuildFrom(board);
    EXPECT_TRUE(b.Valid());
    EXPECT_EQ(b.GameBoard(), &board);
    EXPECT_EQ(b.Players(), 2);
    EXPECT_TRUE(b.Playing(kYellow));
    EXPECT_TRUE(b.Playing(kRed));
    EXPECT_FALSE(b.Playing(kBlue));
    EXPECT_EQ(b.Cell({8, 1}).kind, 4);
    EXPECT_EQ(b.Cell({9, 3}).kind, 2);
    EXPECT_EQ(b.Cell({8, 9}).kind, kHexagonKind);
    EXPECT_EQ(b.Cell({0, 0}).kind, 0);
    EXPECT_EQ(b.Cell({0, 0}).occupant, kNoColor8);
    EXPECT_EQ(b.Cell({8, 1}).zone, kYellow);
    EXPECT_EQ(b.Cell({8, 9}).zone, kNoColor8);
    EXPECT_EQ(b.Marbles(kYellow)[0], (Place{8, 1}));
    EXPECT_EQ(b.Marbles(kYellow)[9], (Place{8, 9}));  // moved out, so last in row order
    EXPECT_EQ(MarbleOn(b, {8, 9}), 9);
    EXPECT_TRUE(b.IsConsistent());
}

TEST(BasicBoard, TargetsAreAPermutationOfTheTargetTriangle) {
    for (int seed = 0; seed < 20; ++seed) {
        CGameBoard board;
        SetUpStartPosition(board, Seats({kYellow, kBlue, kOrange}));
        SplitMix64 random(seed);
        const PlayerColor order[] = {kYellow, kBlue, kOrange};
        PlayRandomMoves(board, order, 10 * seed, random);
        CBasicBoard b;
        b.BuildFrom(board);
        for (PlayerColor c : order) {
            const auto& targets = b.Targets(c);
            std::set<int> holes;
            for (int i = 0; i < 10; ++i) {
                const Place t = targets.place[i];
                EXPECT_EQ(board.Hole(t).zone, board.TargetColour(c));
                holes.insert(PlaceIndex(t));
                EXPECT_EQ(targets.distance[i], HoleDistance(b.Marbles(c)[i], t));
            }
            EXPECT_EQ(holes.size(), 10u) << "seed " << seed;
        }
    }
}

// Nine Yellow marbles at home and one on the bottom triangle's second hole.
CGameBoard YellowNearlyHome(Place tenth) {
    CGameBoard board = EmptyBoard();
    board.PlaceMarbles(kYellow);
    board.MoveMarble({9, 4}, tenth);
    return board;
}

TEST(BasicBoard, SettledMarbleKeepsItsHoleAndTheTipGoesToTheFirstNearest) {
    const CGameBoard board = YellowNearlyHome(kBottom[1]);
    CBasicBoard b;
    b.BuildFrom(board);
    const auto& t = b.Targets(kYellow);
    EXPECT_EQ(t.place[9], kBottom[1]);
    EXPECT_EQ(t.distance[9], 0);
    // The four marbles of row 4 are 13 from the tip; the first of them in index order wins.
    EXPECT_EQ(t.place[6], kTip);
    EXPECT_EQ(t.distance[6], 13);
}

TEST(BasicBoard, MarbleWithAnOccupiedHoleAheadIsNotSettled) {
    CGameBoard board = YellowNearlyHome(kBottom[1]);
    Put(board, kRed, {kTip});
    CBasicBoard b;
    b.BuildFrom(board);
    const auto& t = b.Targets(kYellow);
    // Empty holes went to marbles behind them first; the occupied tip is left to the nearest.
    EXPECT_EQ(t.place[9], kTip);
    EXPECT_EQ(t.distance[9], 1);
    int onSecond = -1;
    for (int i = 0; i < 10; ++i)
        if (t.place[i] == kBottom[1])
            onSecond = i;
    EXPECT_GE(onSecond, 0);
    EXPECT_LT(onSecond, 9);
}

TEST(BasicBoard, MarbleThatCanJumpNearerIsNotSettled) {
    const CGameBoard board = YellowNearlyHome(kBottom[3]);  // (9,15) can jump to the empty tip
    CBasicBoard b;
    b.BuildFrom(board);
    EXPECT_EQ(b.Targets(kYellow).place[9], kTip);
    EXPECT_EQ(b.Targets(kYellow).distance[9], 2);

    CGameBoard blocked = board;
    Put(blocked, kRed, {kTip});
    b.BuildFrom(blocked);
    EXPECT_EQ(b.Targets(kYellow).place[9], kBottom[3]);
    EXPECT_EQ(b.Targets(kYellow).distance[9], 0);
}

TEST(BasicBoard, FullTargetTriangleAssignsEveryMarbleItsOwnHole) {
    CGameBoard board = EmptyBoard();
    for (const Place p : kBottom)
        Put(board, kYellow, {p});
    CBasicBoard b;
    b.BuildFrom(board);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(b.Targets(kYellow).place[i], b.Marbles(kYellow)[i]);
        EXPECT_EQ(b.Targets(kYellow).distance[i], 0);
    }
    EXPECT_TRUE(b.Finished(kYellow));
    EXPECT_EQ(b.TargetMask(kYellow), 0x3FF);
    EXPECT_EQ(b.HomeMask(kYellow), 0);

    // Stepping out of the triangle and back.
    Move in;
    in.Append(kBottom[3]);
    in.Append({9, 13});
    b.ApplyMove(in);
    EXPECT_FALSE(b.Finished(kYellow));
    EXPECT_EQ(b.TargetMask(kYellow), 0x3FF & ~(1 << 3));
    EXPECT_TRUE(b.IsConsistent());
    b.TakeBackMove(in);
    EXPECT_TRUE(b.Finished(kYellow));
}

TEST(BasicBoard, ApplyThenTakeBackRestoresTheBoardExactly) {
    const std::vector<PlayerColor> orders[] = {{0, 3}, {1, 3, 5}, {0, 2, 3, 5}, {0, 1, 2, 3, 4, 5}};
    for (const std::vector<PlayerColor>& order : orders) {
        const int players = static_cast<int>(order.size());
        std::array<bool, 6> seated{};
        for (PlayerColor c : order)
            seated[c] = true;
        for (int plies : {0, 30, 120}) {
            CGameBoard board;
            SetUpStartPosition(board, seated);
            SplitMix64 random(players * 100 + plies);
            PlayRandomMoves(board, order, plies, random);
            CBasicBoard b;
            b.BuildFrom(board);
            const CBasicBoard before = b;
            MoveList list;
            for (PlayerColor c : order) {
                for (int m = 0; m < 10; ++m) {
                    GenerateMoves(b, b.Marbles(c)[m], list);
                    for (int i = 0; i < list.count; ++i) {
                        const Move& move = list.moves[i];
                        b.ApplyMove(move);
                        ASSERT_TRUE(b.IsConsistent());
                        EXPECT_EQ(b.Marbles(c)[m], move.End());
                        EXPECT_EQ(b.Targets(c).distance[m],
                                  HoleDistance(move.End(), b.Targets(c).place[m]));
                        b.TakeBackMove(move);
                        ASSERT_TRUE(b == before);
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace halmora
