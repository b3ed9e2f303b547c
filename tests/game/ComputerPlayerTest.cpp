#include "game/ComputerPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "ai/Bench.h"
#include "board/MoveGenerator.h"
#include "board/Perft.h"
#include "support/Boards.h"
#include "support/FakeCanvas.h"
#include "support/FakeTicks.h"

namespace halmora {
namespace {

using namespace halmora::testing;

// A turn with the clocks off.
TurnInfo Turn(std::span<const PlayerColor> order, int moves) {
    return {false, 0, 0, static_cast<int32_t>(order.size()), moves, order};
}

uint32_t Budget(uint32_t remainingMs, int32_t secondsPerMove, int players, int moves) {
    return CComputerPlayer::TimeBudget({true, remainingMs, secondsPerMove, players, moves, {}});
}

// `after` is `before` with exactly `path`, a legal move of colour c, played.
void ExpectMovedByExactly(const CGameBoard& before, const CGameBoard& after, const Move& path,
                          PlayerColor c) {
    ASSERT_GE(path.count, 2);
    CBasicBoard b;
    b.BuildFrom(before);
    MoveList legal;
    GenerateMoves(b, path.Start(), legal);
    EXPECT_NE(std::find(legal.moves.begin(), legal.moves.begin() + legal.count, path),
              legal.moves.begin() + legal.count);
    EXPECT_EQ(before.Hole(path.Start()).occupant, c);
    int changed = 0;
    for (int i = 0; i < kPlaceCount; ++i)
        changed += before.Hole(i % kGridSize, i / kGridSize).occupant !=
                   after.Hole(i % kGridSize, i / kGridSize).occupant;
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(after.Hole(path.End()).occupant, c);
}

// Yellow at home behind a wall of other marbles; the hole left out of the wall, if any, is its
// only way out.
CGameBoard WalledIn(Place gap) {
    CGameBoard board = EmptyBoard();
    Put(board, kYellow,
        {{8, 1}, {7, 2}, {8, 2}, {7, 3}, {8, 3}, {9, 3}, {6, 4}, {7, 4}, {8, 4}, {9, 4}});
    const Place wall[11] = {{6, 5}, {7, 5}, {8, 5}, {9, 5}, {10, 5}, {5, 6},
                            {6, 6}, {7, 6}, {8, 6}, {9, 6}, {10, 6}};
    for (int i = 0; i < 11; ++i)
        if (!(wall[i] == gap))
            Put(board, i < 10 ? kRed : kBlue, {wall[i]});
    return board;
}

// The state the game leaves after this player's last move.
class ComputerPlayerWithHistory : public CComputerPlayer {
public:
    using CComputerPlayer::CComputerPlayer;
    void SetPreviousMove(const Move& m) { previousMove_ = m; }
};

TEST(ComputerPlayer, BudgetFollowsTheClockAndNeverWraps) {
    EXPECT_EQ(CComputerPlayer::TimeBudget(TurnInfo{}), 180000u);  // clocks off
    // 65 moves planned per player: 10 minutes, two players, 40 moves made is round 20.
    EXPECT_EQ(Budget(600000, 0, 2, 40), 13333u);
    EXPECT_EQ(Budget(300000, 0, 2, 118), 50000u);  // round 59: six moves left
    EXPECT_EQ(Budget(300000, 0, 2, 120), 60000u);  // from round 60 a fifth
    EXPECT_EQ(Budget(65000, 0, 0, 0), 1000u);      // no players: no division by zero
    // With time added per move, a second is kept in hand, and below that nothing is left.
    EXPECT_EQ(Budget(45000, 10, 2, 12), 44000u);
    EXPECT_EQ(Budget(1001, 5, 2, 12), 1u);
    EXPECT_EQ(Budget(999, 5, 2, 12), 0u);
}

TEST(ComputerPlayer, TakesItsLevelsNameAndRating) {
    const char* names[] = {"Novice A.I.", "Average A.I.", "Advanced A.I.", "Expert A.I.",
                           "Master A.I."};
    const int32_t ratings[] = {1250, 1400, 1750, 1850, 2000};
    for (PlayerType seat = 2; seat <= 6; ++seat) {
        const CComputerPlayer player(kRed, seat, "Somebody");
        EXPECT_EQ(GbkNameBytes(player.Name()), names[seat - 2]);
        EXPECT_EQ(player.Rating(), ratings[seat - 2]);
        EXPECT_EQ(player.MoveState(), kMoveChoosing);
    }
}

class ComputerPlayerTurn : public ::testing::Test {
protected:
    void SetUp() override { SetUpStartPosition(start_, Seats({kYellow, kRed})); }
    // Moves land at once unless a test animates them.
    template <typename Player>
    Player& WithOptions(Player& player) {
        player.SetOptions(options_);
        return player;
    }
    // Polls while the computer thinks; the first other state, or 1 if none came. The bound is
    // far beyond a stopped search and far below a Master search that ignored the stop.
    int32_t AwaitChoice(CPlayer& player, CGameBoard& board) {
        for (long i = 0; i < 20'000'000; ++i) {
            if (const int32_t state = player.PollTurn(canvas_, board); state != kMoveChoosing)
                return state;
            std::this_thread::yield();
        }
        return kMoveChoosing;
    }

    static const BenchPosition& SixPlayerMiddle() {
        static const std::vector<BenchPosition> positions = MakeBenchPositions();
        return *std::find_if(positions.begin(), positions.end(),
                             [](const BenchPosition& p) { return p.name == "6p middle"; });
    }

    GameOptions options_{.fullAnimation = false};
    FakeCanvas canvas_;
    CGameBoard start_;
    const std::vector<PlayerColor> two_ = {kYellow, kRed};
};

TEST_F(ComputerPlayerTurn, WithoutAnimationPlacesTheMoveInOnePoll) {
    CComputerPlayer player(kYellow, 2, "");
    WithOptions(player);
    CGameBoard board = start_;
    for (int turn = 0; turn < 2; ++turn) {
        const CGameBoard before = board;
        canvas_.calls.clear();
        player.BeginTurn(canvas_, board, Turn(two_, turn * 2));
        EXPECT_EQ(canvas_.cursor, CursorKind::Busy);
        ASSERT_EQ(AwaitChoice(player, board), kMoveDone);
        const Move path = player.PreviousMove();
        ExpectMovedByExactly(before, board, path, kYellow);
        EXPECT_EQ(canvas_.calls,
                  (std::vector<std::string>{"DrawCell " + FakeCanvas::Text(path.Start()),
                                            "DrawCell " + FakeCanvas::Text(path.End())}));
        EXPECT_EQ(canvas_.cursor, CursorKind::Arrow);
        EXPECT_EQ(player.PollTurn(canvas_, board), kMoveDone);
    }
}

TEST_F(ComputerPlayerTurn, WithAnimationGlidesTheMarbleAndThenLandsIt) {
    options_ = {.fullAnimation = true, .marbleSpeed = 200 * 0.001f};
    ScopedFakeTicks ticks(5000);
    start_.Layout(600, 600);
    CGameBoard board = start_;
    CComputerPlayer player(kYellow, 2, "");
    WithOptions(player);
    player.BeginTurn(canvas_, board, Turn(two_, 0));
    ASSERT_EQ(AwaitChoice(player, board), kMoveAnimating);
    EXPECT_EQ(board.Hole(player.PreviousMove().Start()).occupant, kYellow);  // not yet moved
    int frames = 0;
    while (player.PollTurn(canvas_, board) == kMoveAnimating && ++frames < 100000)
        ticks.Advance(10);
    EXPECT_EQ(player.MoveState(), kMoveDone);
    EXPECT_GT(frames, 1);
    ExpectMovedByExactly(start_, board, player.PreviousMove(), kYellow);
}

// A Master search ended by Force move, or by a budget nobody had to ask for, still moves once.
TEST_F(ComputerPlayerTurn, ForceMoveOrASpentBudgetEndsAMasterSearchWithOneMove) {
    const BenchPosition& six = SixPlayerMiddle();
    for (const bool forced : {true, false}) {
        CGameBoard board = six.board;
        CComputerPlayer player(six.order[0], 6, "");
        WithOptions(player);
        if (!forced)
            player.SetBudgetLimit(1);
        player.BeginTurn(canvas_, board, Turn(six.order, six.moveCount));
        // A restarted game begins a turn again: the search under way is stopped and dropped.
        player.BeginTurn(canvas_, board, Turn(six.order, six.moveCount));
        if (forced)
            player.ForceMove();
        ASSERT_EQ(AwaitChoice(player, board), kMoveDone);
        ExpectMovedByExactly(six.board, board, player.PreviousMove(), six.order[0]);
    }
}

TEST_F(ComputerPlayerTurn, WhenTheSearchKeepsNoMoveItStillMoves) {
    // Yellow's one way out undoes its previous move, which the search never chooses.
    CGameBoard board = WalledIn({5, 6});
    const CGameBoard before = board;
    ComputerPlayerWithHistory player(kYellow, 2, "");
    WithOptions(player);
    Move previous;
    previous.Append({5, 6});
    previous.Append({6, 4});
    player.SetPreviousMove(previous);
    player.BeginTurn(canvas_, board, Turn(two_, 30));
    ASSERT_EQ(AwaitChoice(player, board), kMoveDone);
    ExpectMovedByExactly(before, board, player.PreviousMove(), kYellow);
    EXPECT_EQ(player.PreviousMove().End(), (Place{5, 6}));
}

TEST_F(ComputerPlayerTurn, AColourThatCannotMoveIsDoneWithAnEmptyPath) {
    CGameBoard board = WalledIn({0, 0});  // (0,0) is no hole: the wall is whole
    const CGameBoard before = board;
    CComputerPlayer player(kYellow, 2, "");
    WithOptions(player);
    player.BeginTurn(canvas_, board, Turn(two_, 30));
    ASSERT_EQ(AwaitChoice(player, board), kMoveDone);
    EXPECT_EQ(player.PreviousMove().count, 0);  // the game passes the turn on
    EXPECT_TRUE(canvas_.calls.empty());
    EXPECT_EQ(canvas_.cursor, CursorKind::Arrow);
    for (int i = 0; i < kPlaceCount; ++i)
        EXPECT_EQ(board.Hole(i % kGridSize, i / kGridSize).occupant,
                  before.Hole(i % kGridSize, i / kGridSize).occupant);
}

}  // namespace
}  // namespace halmora
