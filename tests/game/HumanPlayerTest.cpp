#include "game/HumanPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "board/BoardCells.h"
#include "board/MoveGenerator.h"
#include "support/Boards.h"
#include "support/FakeCanvas.h"
#include "support/FakeTicks.h"

namespace halmora {
namespace {

using namespace halmora::testing;
using Calls = std::vector<std::string>;

// Notes on every DrawCell whether the hole looked empty then: that is how a picked-up marble
// leaves the drawing while the model keeps it.
class MarkingCanvas : public FakeCanvas {
public:
    explicit MarkingCanvas(CGameBoard* board) : FakeCanvas(board), board_(board) {
        mutableBoard = board;
    }
    void DrawCell(Place p) override {
        FakeCanvas::DrawCell(p);
        if (board_->Hole(p).occupant == kNoColor)
            calls.back() += " empty";
    }

private:
    CGameBoard* board_;
};

bool Contains(const Calls& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// Red's marble A can jump right to L1 and on down-left to L2, or step to S:
//
//        A  B1  L1
//         S  B2
//          L2
class HumanPlayer : public ::testing::Test {
protected:
    static constexpr Place kA{8, 9}, kB1{9, 9}, kL1{10, 9}, kB2{9, 10}, kS{8, 10}, kL2{9, 11};
    static constexpr Place kOtherRed{4, 9};

    void SetUp() override {
        board.Layout(300, 300);
        Put(board, kRed, {kA, kOtherRed});
        Put(board, kBlue, {kB1, kB2});
    }

    // A red player with these options, whose turn has begun.
    std::unique_ptr<CHumanPlayer> Player(int32_t mouseMode, int32_t fullAnimation = 0,
                                         int32_t showMoves = 0, bool beginTurn = true) {
        auto player = std::make_unique<CHumanPlayer>(kRed, kSeatHuman, "Ann");
        player->SetOptions({.fullAnimation = fullAnimation == 1,
                            .marbleSpeed = 200 * 0.001f,
                            .mouseMode = mouseMode,
                            .showMovesOnHover = showMoves == 1});
        if (beginTurn)
            player->BeginTurn(canvas, board, TurnInfo{});
        return player;
    }
    void Send(CHumanPlayer& player, int32_t message, Place p) {
        player.MouseInput(message, 0, canvas.CentreX(p), canvas.CentreY(p), canvas, board);
    }
    Calls Take() { return std::exchange(canvas.calls, {}); }
    MoveList MovesOfA() const {
        MoveList list;
        GenerateMoves(BoardCells::Snapshot(board), kA, list);
        return list;
    }

    CGameBoard board = EmptyBoard();
    MarkingCanvas canvas{&board};
};

TEST_F(HumanPlayer, IgnoresTheMouseUntilItsTurn) {
    auto player = Player(0, 0, 0, false);
    EXPECT_EQ(player->PollTurn(canvas, board), kMoveIdle);
    Send(*player, kLeftButtonDown, kA);
    Send(*player, kRightButtonDown, kA);
    EXPECT_TRUE(canvas.calls.empty());

    player->BeginTurn(canvas, board, TurnInfo{});
    player->ForceMove();
    EXPECT_EQ(player->PollTurn(canvas, board), kMoveChoosing);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(HumanPlayer, DropTakesTheLastMoveEndingOnTheHole) {
    Put(board, kBlue, {kS});  // A may also jump straight down over S to L2
    const MoveList moves = MovesOfA();
    ASSERT_EQ(std::count_if(moves.moves.begin(), moves.moves.begin() + moves.count,
                            [](const Move& m) { return m.End() == kL2; }),
              2);  // the chain over B1 and B2 first, then the single jump

    auto player = Player(0);
    Send(*player, kLeftButtonDown, kA);
    EXPECT_EQ(Take(), Calls{"DrawCell 8,9 empty"});
    EXPECT_EQ(canvas.cursor, CursorKind::Marble);
    Send(*player, kMouseMove, kL2);
    EXPECT_TRUE(Contains(canvas.calls, "DrawHoleDisc 00FF00 9,11"));
    EXPECT_EQ(board.Hole(kL2).highlight, 100);

    Take();
    Send(*player, kLeftButtonUp, kL2);
    EXPECT_EQ(player->MoveState(), kMoveDone);
    EXPECT_EQ(player->PreviousMove(), (Move{2, {kA, kL2}}));
    EXPECT_EQ(board.Hole(kL2).occupant, kRed);
    const std::string square = "RedrawRegion " + std::to_string(canvas.CentreX(kL2) - 50) + "," +
                               std::to_string(canvas.CentreY(kL2) - 50) + " 100x100";
    EXPECT_EQ(Take(),
              (Calls{"ClearHoverHighlights", square, "DrawCell 8,9 empty", "DrawCell 9,11"}));
    EXPECT_EQ(canvas.cursor, CursorKind::Arrow);  // the marble no longer hangs on the cursor

    Send(*player, kRightButtonDown, kL2);  // a done move takes no more input
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(player->PollTurn(canvas, board), kMoveDone);
}

TEST_F(HumanPlayer, DragMarksTargetsAndAFailedDropGivesTheMarbleBack) {
    auto player = Player(0);
    Send(*player, kLeftButtonDown, kA);
    Send(*player, kMouseMove, kL1);
    EXPECT_EQ(board.Hole(kL1).highlight, 100);
    Take();
    Send(*player, kMouseMove, kB2);  // occupied: no mark, and the earlier one goes
    EXPECT_EQ(Take(), (Calls{"DrawCell 8,9 empty", "ClearHoverHighlights", "DrawCell 8,9 empty"}));
    EXPECT_EQ(board.Hole(kL1).highlight, -1);

    const Place far{8, 5};
    Send(*player, kMouseMove, far);
    EXPECT_TRUE(Contains(Take(), "DrawHoleDisc FF0000 8,5"));
    EXPECT_EQ(board.Hole(far).highlight, 101);
    Send(*player, kLeftButtonUp, far);
    EXPECT_EQ(Take().at(1), "DrawCell 8,9");  // back on its hole
    EXPECT_EQ(board.Hole(far).highlight, -1);
    EXPECT_EQ(board.Hole(kA).occupant, kRed);
    EXPECT_EQ(player->MoveState(), kMoveChoosing);

    Send(*player, kLeftButtonDown, kA);
    player->MouseInput(kLeftButtonUp, 0, -500, -500, canvas, board);  // off the board
    EXPECT_EQ(Take(), (Calls{"DrawCell 8,9 empty", "DrawCell 8,9", "ClearHoverHighlights"}));

    Send(*player, kLeftButtonDown, kA);
    Send(*player, kRightButtonDown, kL1);  // cancel: a full paint brings the marble back
    EXPECT_EQ(Take().back(), "Paint");
    EXPECT_EQ(canvas.cursor, CursorKind::Arrow);
    Send(*player, kLeftButtonUp, kL1);    // nothing is carried any more
    Send(*player, kLeftButtonDown, kB1);  // nor can another colour's marble be picked up
    Send(*player, kLeftButtonUp, kL1);
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(player->MoveState(), kMoveChoosing);
}

TEST_F(HumanPlayer, HoverShowsEveryEndHoleOfOnesOwnMarble) {
    auto player = Player(0, 0, 1);
    Send(*player, kMouseMove, kA);
    EXPECT_EQ(canvas.cursor, CursorKind::Hand);
    const MoveList moves = MovesOfA();
    int marked = 0;
    for (int i = 0; i < kPlaceCount; ++i)
        marked += board.Hole(i % 19, i / 19).highlight == 100;
    EXPECT_EQ(marked, moves.count);
    Send(*player, kMouseMove, kB1);
    EXPECT_EQ(canvas.cursor, CursorKind::Arrow);
    EXPECT_EQ(board.Hole(kL2).highlight, -1);

    auto dots = Player(1, 0, 1);
    canvas.cursor = CursorKind::Busy;
    Send(*dots, kMouseMove, kA);
    EXPECT_EQ(board.Hole(kL2).highlight, 100);
    EXPECT_EQ(canvas.cursor, CursorKind::Busy);  // connecting dots leaves the cursor be
    Send(*dots, kLeftButtonDown, kA);
    Take();
    Send(*dots, kMouseMove, kB1);  // with a marble selected, moving does nothing
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(HumanPlayer, DotsGoOneHopAtATimeToHolesTheMarbleCanReach) {
    auto player = Player(1);
    Send(*player, kLeftButtonDown, kL1);  // nothing selected: nothing happens
    Send(*player, kLeftButtonDown, kOtherRed);
    Send(*player, kLeftButtonDown, kA);  // another own marble starts again
    EXPECT_EQ(Take(),
              (Calls{"DrawMarbleRing FFFFFF 4,9 2", "ClearHoverHighlights", "ClearHoverHighlights",
                     "DrawCell 4,9", "DrawMarbleRing FFFFFF 8,9 2", "ClearHoverHighlights"}));

    Send(*player, kLeftButtonDown, kL2);  // reachable, but two jumps from the last dot
    Send(*player, kLeftButtonDown, kB1);
    EXPECT_TRUE(canvas.calls.empty());
    Send(*player, kLeftButtonDown, kL1);
    EXPECT_EQ(Take(), Calls{"DrawHoleDisc 00FF00 10,9"});
    Send(*player, kLeftButtonDown, kS);  // A steps there, but it is two steps from L1
    EXPECT_TRUE(canvas.calls.empty());
    Send(*player, kLeftButtonDown, kL2);
    Send(*player, kLeftButtonDown, kS);  // one step after the jumps, to a hole A reaches
    EXPECT_EQ(Take(), (Calls{"DrawHoleDisc 00FF00 9,11", "DrawHoleDisc 00FF00 8,10"}));

    Send(*player, kLeftButtonDown, kS);  // the last dot again
    EXPECT_EQ(player->MoveState(), kMoveDone);
    EXPECT_EQ(player->PreviousMove(), (Move{4, {kA, kL1, kL2, kS}}));
    EXPECT_EQ(board.Hole(kS).occupant, kRed);
    EXPECT_EQ(board.Hole(kL1).highlight, -1);
    EXPECT_EQ(Take(), (Calls{"ClearHoverHighlights", "DrawCell 8,9 empty", "DrawCell 8,10"}));
    EXPECT_EQ(player->PollTurn(canvas, board), kMoveDone);
}

TEST_F(HumanPlayer, DoubleClickAddsTheDotThenPerformsTheAnimatedMove) {
    ScopedFakeTicks ticks(7000);
    auto player = Player(1, 1);
    Send(*player, kLeftButtonDown, kA);
    Send(*player, kLeftButtonDown, kL1);
    Send(*player, kLeftButtonDown, kL1);
    EXPECT_EQ(player->MoveState(), kMoveAnimating);
    EXPECT_EQ(player->PreviousMove(), (Move{2, {kA, kL1}}));
    EXPECT_EQ(board.Hole(kA).marbleHidden, 1);
    Take();
    Send(*player, kRightButtonDown, kL1);  // ignored while the marble moves
    Send(*player, kLeftButtonDown, kOtherRed);
    EXPECT_TRUE(canvas.calls.empty());

    ASSERT_EQ(board.ScreenX(kL1) - board.ScreenX(kA), 39);  // 193 ms at 0.2 pixels a ms
    ticks.Advance(192);
    EXPECT_EQ(player->PollTurn(canvas, board), kMoveAnimating);
    ticks.Advance(1);
    EXPECT_EQ(player->PollTurn(canvas, board), kMoveAnimating);  // the landing frame
    EXPECT_EQ(board.Hole(kA).occupant, kRed);
    EXPECT_EQ(player->PollTurn(canvas, board), kMoveDone);
    EXPECT_EQ(board.Hole(kL1).occupant, kRed);
    EXPECT_EQ(board.Hole(kA).occupant, kNoColor);

    player->BeginTurn(canvas, board, TurnInfo{});
    EXPECT_EQ(player->MoveState(), kMoveChoosing);
    EXPECT_EQ(player->SelectedPath().count, 0);
}

}  // namespace
}  // namespace halmora
