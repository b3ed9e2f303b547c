#include "game/Game.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "board/BoardCells.h"
#include "board/HoleDistance.h"
#include "board/MoveGenerator.h"
#include "platform/AppFolder.h"
#include "support/Boards.h"
#include "support/FakeCanvas.h"
#include "support/FakeHost.h"
#include "support/FakeTicks.h"

namespace halmora {
namespace {

using namespace halmora::testing;

// Plays at once on its first poll: the move that brings a marble nearest to its target tip, or
// keeps choosing for ever when told to stall.
class ScriptedPlayer : public CPlayer {
public:
    explicit ScriptedPlayer(PlayerColor c, PlayerType type = kSeatHuman) : CPlayer(c, type, "P") {}

    void BeginTurn(CBoardCanvas&, CGameBoard&, const TurnInfo& turn) override {
        moveState_ = kMoveChoosing;
        ++begun;
        lastRemaining = turn.remainingMs;
        lastPerMove = turn.secondsPerMove;
        lastMoveCount = turn.moveCount;
    }
    int32_t PollTurn(CBoardCanvas&, CGameBoard& board) override {
        if (moveState_ != kMoveChoosing || stall)
            return moveState_;
        const BoardCells cells = BoardCells::Snapshot(board);
        const Place tip = board.ZoneList(board.TargetColour(colour_))[0];
        MoveList list;
        Move best;
        int bestGain = -100;
        for (int i = 0; i < kPlaceCount; ++i) {
            if (cells.cells[i].occupant != colour_)
                continue;
            GenerateMoves(cells, Place{i % kGridSize, i / kGridSize}, list);
            for (int k = 0; k < list.count; ++k) {
                const Move& m = list.moves[k];
                const int gain = HoleDistance(m.Start(), tip) - HoleDistance(m.End(), tip);
                if (gain > bestGain) {
                    bestGain = gain;
                    best = m;
                }
            }
        }
        board.MoveMarble(best.Start(), best.End());
        previousMove_ = best;
        moveState_ = kMoveDone;
        return moveState_;
    }
    void ForceMove() override { ++forced; }

    bool stall = false;
    int begun = 0;
    int forced = 0;
    uint32_t lastRemaining = 0;
    int32_t lastPerMove = -1;
    int32_t lastMoveCount = -1;
};

constexpr Place kBottom[10] = {{8, 17}, {8, 16}, {7, 16}, {9, 15}, {8, 15},
                               {7, 15}, {9, 14}, {8, 14}, {7, 14}, {6, 14}};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("halmora-game-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_ / "Data");
        previousFolder_ = ApplicationFolder();
        SetApplicationFolder(dir_);
        game_ = std::make_unique<CGame>(host_);
    }
    void TearDown() override {
        game_.reset();
        SetApplicationFolder(previousFolder_);
        std::filesystem::remove_all(dir_);
    }

    ScriptedPlayer* Seat(PlayerColor c, PlayerType type = kSeatHuman) {
        auto p = std::make_unique<ScriptedPlayer>(c, type);
        ScriptedPlayer* raw = p.get();
        game_->AddPlayer(std::move(p));
        return raw;
    }
    void Start(int turnStart, int initialSeconds = 0, int perMove = 0) {
        game_->SetTurnStart(turnStart);
        game_->NewGame(canvas_, 800, 600, kGamePlaying, initialSeconds, perMove);
    }
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i)
            game_->Tick(canvas_);
    }
    // Yellow (top) one step from having all ten in the bottom triangle; Red spread about.
    void YellowNearlyHome() {
        CGameBoard& b = *game_->Board();
        for (int i = 0; i < kPlaceCount; ++i)
            b.Hole(i % kGridSize, i / kGridSize).occupant = -1;
        for (int i = 0; i < 9; ++i)
            b.Hole(kBottom[i]).occupant = kYellow;
        b.Hole(6, 13).occupant = kYellow;
        for (const Place p : {Place{2, 5}, Place{3, 5}, Place{4, 5}, Place{5, 5}, Place{6, 5},
                              Place{12, 5}, Place{13, 5}, Place{14, 5}, Place{11, 5}, Place{10, 5}})
            b.Hole(p).occupant = kRed;
    }

    FakeHost host_;
    FakeCanvas canvas_;
    std::unique_ptr<CGame> game_;
    std::filesystem::path dir_, previousFolder_;
};

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
    Seat(kYellow, 4);
    Seat(kRed);
    Start(0);
    YellowNearlyHome();
    Tick();
    EXPECT_EQ(host_.sounds, (std::vector<std::string>{"Sounds/Lose.wav"}));

    CSettings muted;
    muted.MuteSounds = 1;
    ASSERT_TRUE(muted.Save());
    game_ = std::make_unique<CGame>(host_);
    host_.sounds.clear();
    Seat(kYellow, 4);
    Seat(kRed);
    Start(0);
    YellowNearlyHome();
    Tick();
    EXPECT_TRUE(game_->Finished(kYellow));
    EXPECT_TRUE(host_.sounds.empty());
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
    ScriptedPlayer* red = Seat(kRed);
    Start(0);
    EXPECT_EQ(yellow->lastRemaining, 0u);
    EXPECT_EQ(yellow->lastPerMove, 0);
    EXPECT_EQ(game_->CurrentClock(), 0u);

    game_ = std::make_unique<CGame>(host_);
    yellow = Seat(kYellow);
    red = Seat(kRed);
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

}  // namespace
}  // namespace halmora
