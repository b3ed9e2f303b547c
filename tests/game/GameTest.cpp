#include "game/Game.h"

#include <gtest/gtest.h>

#include <chrono>

#include "board/BoardCells.h"
#include "board/HoleDistance.h"
#include "board/MoveGenerator.h"
#include "game/ComputerPlayer.h"
#include "platform/AppFolder.h"
#include "support/Boards.h"
#include "support/FakeTicks.h"
#include "support/GameFixture.h"

namespace halmora {
namespace {

using namespace halmora::testing;

TEST_F(GameTest, TurnOrderGoesClockwiseFromTheDrawnTriangle) {
    Seat(kYellow);
    Seat(kRed);
    Start(2);
    EXPECT_EQ(game_->TurnOrder(), (std::vector<PlayerColor>{kRed, kYellow}));
    EXPECT_EQ(game_->CurrentColour(), kRed);
    for (int start : {0, 4, 5}) {
        game_->Restart(canvas_, 800, 600);
        game_->SetTurnStart(start);
        game_->Restart(canvas_, 800, 600);
        EXPECT_EQ(game_->TurnOrder(), (std::vector<PlayerColor>{kYellow, kRed})) << start;
    }
    EXPECT_EQ(host_.current, kYellow);
    EXPECT_EQ(game_->Seat(kYellow)->Rating(), 1600);  // from the statistics
}

TEST_F(GameTest, FourPlayersMoveClockwiseAndTakeTurnsInOrder) {
    ScriptedPlayer* players[] = {Seat(kYellow), Seat(kPurple), Seat(kRed), Seat(kOrange)};
    Start(0);
    // Yellow upper left (5), Purple lower right (2), Red lower left (4), Orange upper right (1).
    EXPECT_EQ(game_->TurnOrder(), (std::vector<PlayerColor>{kOrange, kPurple, kRed, kYellow}));
    Tick(8);
    for (ScriptedPlayer* p : players)
        EXPECT_EQ(p->begun, 2 + (p->Colour() == kOrange ? 1 : 0));
    EXPECT_EQ(game_->MoveCount(), 8);
    EXPECT_EQ(game_->History().Top(), 8);
    EXPECT_EQ(game_->History().MoverAt(0), kOrange);
}

TEST_F(GameTest, WinnerTakesFirstPlaceIsPassedOverAndTheRecordIsFiledOnce) {
    ScriptedPlayer* yellow = Seat(kYellow);
    ScriptedPlayer* red = Seat(kRed);
    Start(0);
    YellowNearlyHome();
    Tick();  // Yellow finishes
    EXPECT_TRUE(game_->Finished(kYellow));
    EXPECT_EQ(game_->PlaceAt(0), kYellow);
    EXPECT_EQ(host_.sounds, (std::vector<std::string>{"Sounds/Win.wav"}));
    const int yellowTurns = yellow->begun;
    Tick(4);
    EXPECT_EQ(yellow->begun, yellowTurns);
    EXPECT_EQ(red->begun, 5);
    EXPECT_TRUE(game_->CanEndGameNow());

    game_->EndGameNow(canvas_);
    EXPECT_EQ(game_->State(), kGameOver);
    EXPECT_EQ(game_->PlaceAt(1), kRed);
    game_->SetState(kGamePlaying, canvas_);
    game_->SetState(kGameOver, canvas_);
    EXPECT_EQ(host_.filed, 1);
}

TEST_F(GameTest, ComputerWinningFirstPlaysTheLoseSoundUnlessMuted) {
    for (const bool muted : {false, true}) {
        game_ = std::make_unique<CGame>(host_);
        game_->SetOptions({.muteSounds = muted});
        host_.sounds.clear();
        Seat(kYellow, 4);
        Seat(kRed);
        Start(0);
        YellowNearlyHome();
        Tick();
        EXPECT_TRUE(game_->Finished(kYellow));
        EXPECT_EQ(host_.sounds,
                  muted ? std::vector<std::string>{} : std::vector<std::string>{"Sounds/Lose.wav"});
    }
}

TEST_F(GameTest, TwoPlayerTimeOutGivesPlacesTwoAndOne) {
    ScopedFakeTicks ticks(1000);
    ScriptedPlayer* yellow = Seat(kYellow);
    Seat(kRed);
    Start(0, 1, 0);
    yellow->stall = true;
    EXPECT_EQ(yellow->lastRemaining, 1000u);
    ticks.Advance(999);
    Tick();
    EXPECT_TRUE(host_.messages.empty());
    ticks.Advance(1);
    Tick();
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].rfind("超出时间   |你已经用光时间而且输掉游戏。", 0), 0u);
    EXPECT_EQ(yellow->forced, 1);
    EXPECT_EQ(game_->PlaceAt(1), kYellow);
    EXPECT_EQ(game_->Players(), 1);
    for (int i = 0; i < kPlaceCount; ++i)
        EXPECT_NE(game_->Board()->Hole(i % kGridSize, i / kGridSize).occupant, kYellow);
    Tick();
    EXPECT_EQ(game_->PlaceAt(0), kRed);
    EXPECT_EQ(game_->State(), kGameOver);
    EXPECT_EQ(host_.filed, 1);
}

TEST_F(GameTest, PlayersOutOfTimeTakeTheLastPlacesInTheOrderTheyRunOut) {
    ScopedFakeTicks ticks(0);
    ScriptedPlayer* yellow = Seat(kYellow, 3);
    ScriptedPlayer* blue = Seat(kBlue);
    Seat(kOrange);
    Start(1, 2, 0);  // Yellow at position 1 moves first, then Blue, then Orange
    ASSERT_EQ(game_->TurnOrder(), (std::vector<PlayerColor>{kYellow, kBlue, kOrange}));
    yellow->stall = blue->stall = true;
    ticks.Advance(2000);
    Tick();
    EXPECT_EQ(host_.messages.back().find("这一个玩家"), host_.messages.back().find('|') + 1);
    EXPECT_EQ(game_->PlaceAt(2), kYellow);
    ticks.Advance(2000);
    Tick();
    EXPECT_EQ(game_->PlaceAt(1), kBlue);
    Tick();
    EXPECT_EQ(game_->PlaceAt(0), kOrange);
    EXPECT_EQ(game_->State(), kGameOver);
}

TEST_F(GameTest, ClocksGiveTimeToBeginTurnOnlyWhenOn) {
    ScopedFakeTicks ticks(0);
    ScriptedPlayer* yellow = Seat(kYellow);
    Seat(kRed);
    Start(0);
    EXPECT_EQ(yellow->lastRemaining, 0u);
    EXPECT_EQ(yellow->lastPerMove, 0);
    EXPECT_EQ(game_->CurrentClock(), 0u);

    game_ = std::make_unique<CGame>(host_);
    yellow = Seat(kYellow);
    ScriptedPlayer* red = Seat(kRed);
    Start(0, 60, 5);
    EXPECT_EQ(yellow->lastRemaining, 65000u);
    EXPECT_EQ(yellow->lastPerMove, 5);
    yellow->stall = true;
    ticks.Advance(3000);
    Tick();  // charged while choosing
    yellow->stall = false;
    Tick();  // Yellow moves: its clock stops at 62 s
    EXPECT_EQ(red->lastRemaining, 65000u);
    EXPECT_EQ(red->lastMoveCount, 1);
    EXPECT_EQ(game_->PlayerClock(kYellow)->Get(), 62000u);
}

TEST_F(GameTest, PauseStopsEveryClockAndIgnoresTheMouse) {
    ScopedFakeTicks ticks(0);
    Seat(kYellow)->stall = true;
    Seat(kRed);
    Start(0, 60, 0);
    game_->Pause(canvas_);
    ticks.Advance(5000);
    Tick();
    EXPECT_EQ(game_->CurrentClock(), 60000u);
    EXPECT_FALSE(game_->CanSuggest());
    game_->Continue(canvas_);
    ticks.Advance(1000);
    Tick();
    EXPECT_EQ(game_->CurrentClock(), 59000u);
    EXPECT_TRUE(game_->CanSuggest());
    EXPECT_FALSE(game_->CanForceMove());
}

TEST_F(GameTest, PlayerWithoutAnyMovePassesAndTheGameGoesOn) {
    ScriptedPlayer* yellow = Seat(kYellow);
    ScriptedPlayer* red = Seat(kRed);
    Start(3);  // Red first
    // Wall Yellow in: its own triangle full and the two rows below it taken.
    CGameBoard& b = *game_->Board();
    for (int row = 5; row <= 6; ++row)
        for (int col = 0; col < kGridSize; ++col)
            if (IsHolePlace(col, row))
                b.Hole(col, row).occupant = kGreen;
    Tick();  // Red moves; Yellow cannot
    EXPECT_EQ(red->begun, 1);
    Tick();  // Yellow passes
    EXPECT_EQ(yellow->begun, 0);
    EXPECT_EQ(red->begun, 2);
    EXPECT_EQ(game_->History().Top(), 1);
    EXPECT_EQ(game_->State(), kGamePlaying);
}

// Real computer players: a forced move is collected within a few ticks, and a game destroyed
// while a Master thinks stops its search and joins the thread before anything is freed.
TEST_F(GameTest, ForceMoveAndDestructionWhileAComputerThinks) {
    game_->SetOptions({.fullAnimation = false});
    game_->AddPlayer(std::make_unique<CComputerPlayer>(kYellow, kSeatMaster, ""));
    game_->AddPlayer(std::make_unique<CComputerPlayer>(kRed, kSeatMaster, ""));
    for (PlayerColor c : {kBlue, kOrange, kGreen, kPurple})
        game_->AddPlayer(std::make_unique<CComputerPlayer>(c, kSeatMaster, ""));
    Start(0);
    Tick();
    EXPECT_TRUE(game_->CanForceMove());
    game_->ForceMove();
    const auto start = std::chrono::steady_clock::now();
    while (game_->MoveCount() == 0 &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(60))
        Tick();
    EXPECT_EQ(game_->MoveCount(), 1);
    EXPECT_EQ(game_->History().Top(), 1);

    Tick();  // the next Master starts thinking: a full search takes many seconds
    game_.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

}  // namespace
}  // namespace halmora
