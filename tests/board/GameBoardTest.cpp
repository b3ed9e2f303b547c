#include "board/GameBoard.h"

#include <gtest/gtest.h>

#include "board/HoleDistance.h"
#include "support/Boards.h"

namespace halmora {
namespace {

using namespace halmora::testing;

bool SameRecords(const CGameBoard& a, const CGameBoard& b) {
    for (int row = 0; row < kGridSize; ++row) {
        for (int col = 0; col < kGridSize; ++col) {
            const HoleRecord& x = a.Hole(col, row);
            const HoleRecord& y = b.Hole(col, row);
            if (x.isHole != y.isHole || x.marbleHidden != y.marbleHidden ||
                x.highlight != y.highlight || x.zone != y.zone || x.occupant != y.occupant ||
                x.zoneWeight != y.zoneWeight || x.col != y.col || x.row != y.row)
                return false;
        }
    }
    for (PlayerColor c = 0; c < kColorCount; ++c)
        if (a.ZoneList(c) != b.ZoneList(c) || a.ZoneListCount(c) != b.ZoneListCount(c))
            return false;
    return true;
}

// Every seating of 2, 3, 4 and 6 colours: the triangles hold all six colours, seated colours sit
// where the table puts them and the targets are as the player count wants.
TEST(GameBoard, SetUpForEveryPlayerCount) {
    for (int mask = 0; mask < 64; ++mask) {
        std::array<bool, kColorCount> seated{};
        int players = 0;
        for (int c = 0; c < 6; ++c)
            players += (seated[c] = (mask >> c) & 1) ? 1 : 0;
        if (players != 2 && players != 3 && players != 4 && players != 6)
            continue;
        CGameBoard board;
        SetUpStartPosition(board, seated);
        bool seen[6] = {};
        for (int t = 0; t < 6; ++t) {
            const PlayerColor c = board.Hole(TriangleHoles(t)[0]).zone;
            ASSERT_TRUE(c >= 0 && c < 6);
            EXPECT_FALSE(seen[c]);
            seen[c] = true;
        }
        for (PlayerColor c = 0; c < 6; ++c) {
            if (!seated[c])
                continue;
            const PlayerColor target = board.TargetColour(c);
            EXPECT_EQ(board.TargetColour(target), c);
            switch (players) {
                case 2:
                case 6:
                    EXPECT_TRUE(seated[target]) << "mask " << mask;
                    break;
                case 3:
                    EXPECT_FALSE(seated[target]) << "mask " << mask;
                    break;
                case 4: {
                    EXPECT_TRUE(seated[target]) << "mask " << mask;
                    // Top and bottom stay empty.
                    const int tip = board.ZoneList(c)[0].row;
                    EXPECT_NE(tip, 1);
                    EXPECT_NE(tip, 17);
                    break;
                }
            }
            EXPECT_EQ(board.CountHome(c), 0);
        }
        const int first = [&] {
            for (int c = 0; c < 6; ++c)
                if (seated[c])
                    return c;
            return -1;
        }();
        const Place tip = board.ZoneList(first)[0];
        const Place expectedTip = players == 2 || players == 6 ? Place{8, 1}
                                  : players == 3               ? Place{14, 5}
                                                               : Place{2, 5};
        EXPECT_EQ(tip, expectedTip) << "mask " << mask;
    }
}

TEST(GameBoard, MoveMarbleCarriesItsFlagsAndIgnoresBadPlaces) {
    CGameBoard board = EmptyBoard();
    HoleRecord& from = board.Hole(8, 9);
    from.occupant = kRed;
    from.marbleHidden = 1;
    from.highlight = 100;
    board.MoveMarble({8, 9}, {8, 8});
    EXPECT_EQ(board.Hole(8, 8).occupant, kRed);
    EXPECT_EQ(board.Hole(8, 8).marbleHidden, 1);
    EXPECT_EQ(board.Hole(8, 8).highlight, 100);
    EXPECT_EQ(board.Hole(8, 9).occupant, kNoColor);
    EXPECT_EQ(board.Hole(8, 9).marbleHidden, 0);
    EXPECT_EQ(board.Hole(8, 9).highlight, -1);

    const CGameBoard before = board;
    board.MoveMarble({8, 8}, {0, 0});    // not a hole
    board.MoveMarble({8, 8}, {-1, 40});  // off the grid
    board.MoveMarble({19, 8}, {8, 8});
    EXPECT_TRUE(SameRecords(board, before));
}

TEST(GameBoard, RotationTurnsContentsAndKeepsTargets) {
    CGameBoard board;
    SetUpStartPosition(board, Seats({kYellow, kPurple, kRed, kOrange}));
    board.MoveMarble({2, 5}, {8, 8});  // Yellow sits upper left with four players
    board.Hole(8, 8).highlight = 100;
    const CGameBoard original = board;

    board.Rotate(0);
    EXPECT_EQ(board.Hole(9, 9).occupant, kYellow);
    EXPECT_EQ(board.Hole(9, 9).highlight, 100);
    EXPECT_EQ(board.Hole(9, 9).col, 9);
    EXPECT_EQ(board.ZoneList(kYellow), TriangleHoles(0));  // upper left turned to the top
    for (PlayerColor c = 0; c < 6; ++c)
        EXPECT_EQ(board.TargetColour(c), original.TargetColour(c));

    board.Rotate(1);
    EXPECT_TRUE(SameRecords(board, original));
    for (int dir = 0; dir < 2; ++dir) {
        for (int i = 0; i < 6; ++i)
            board.Rotate(dir);
        EXPECT_TRUE(SameRecords(board, original));
    }
}

TEST(GameBoard, HolesReadBackRebuildTheRotatedZoneLists) {
    CGameBoard board;
    SetUpStartPosition(board, Seats({kYellow, kRed}));
    board.MoveMarble({8, 4}, {8, 5});
    board.Rotate(1);
    SavedHoles saved;
    board.WriteHoles(saved);

    CGameBoard loaded;
    SetUpStartPosition(loaded, Seats({kYellow, kRed}));  // unrotated, as loading sets up first
    loaded.ReadHoles(saved);
    EXPECT_TRUE(SameRecords(loaded, board));
    EXPECT_EQ(loaded.ZoneList(kYellow), TriangleHoles(5));
}

}  // namespace
}  // namespace halmora
