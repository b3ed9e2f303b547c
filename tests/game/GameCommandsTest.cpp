#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "board/RandomPlay.h"
#include "game/Game.h"
#include "game/GameRecordFiling.h"
#include "game/SavedGameRecord.h"
#include "records/StatsDatabase.h"
#include "support/FakeTicks.h"
#include "support/GameFixture.h"

namespace halmora {
namespace {

using namespace halmora::testing;

std::array<int32_t, kPlaceCount> Occupants(const CGameBoard& b) {
    std::array<int32_t, kPlaceCount> out{};
    for (int i = 0; i < kPlaceCount; ++i)
        out[i] = b.Hole(i % kGridSize, i / kGridSize).occupant;
    return out;
}

class GameCommands : public GameTest {
protected:
    // One human (Yellow, first to move) against three scripted computers.
    void HumanAgainstThree(int fullAnimation) {
        game_->SetOptions({.fullAnimation = fullAnimation == 1, .marbleSpeed = 200 * 0.001f});
        human_ = Seat(kYellow);
        for (PlayerColor c : {kPurple, kRed, kOrange})
            Seat(c, 3);
        Start(5);  // Yellow sits upper left (position 5) with four players
        ASSERT_EQ(game_->CurrentColour(), kYellow);
    }
    // Yellow (first to move) against Red, both human.
    void TwoHumans() {
        Seat(kYellow);
        Seat(kRed);
        Start(0);
    }
    // A new game loaded from `path` with this game's options.
    std::unique_ptr<CGame> LoadAgain(const std::filesystem::path& path) {
        auto loaded = std::make_unique<CGame>(host_);
        loaded->SetOptions(game_->Options());
        std::string error;
        EXPECT_TRUE(loaded->Load(canvas_, 800, 600, path, error)) << error;
        return loaded;
    }
    ScriptedPlayer* human_ = nullptr;
};

TEST_F(GameCommands, UndoTakesBackTheComputersAndTheHumansMoveRedoReplaysThem) {
    HumanAgainstThree(0);
    const auto start = Occupants(*game_->Board());
    EXPECT_FALSE(game_->CanUndo());
    Tick(4);  // the human and the three computers
    ASSERT_EQ(game_->CurrentColour(), kYellow);
    const auto afterRound = Occupants(*game_->Board());
    EXPECT_TRUE(game_->CanUndo());

    game_->Undo(canvas_);
    EXPECT_EQ(Occupants(*game_->Board()), start);
    EXPECT_EQ(game_->CurrentColour(), kYellow);
    EXPECT_EQ(game_->MoveCount(), 0);
    EXPECT_EQ(game_->History().Position(), 0);
    EXPECT_TRUE(game_->CanRedo());

    game_->Redo(canvas_);
    EXPECT_EQ(Occupants(*game_->Board()), afterRound);
    EXPECT_EQ(game_->CurrentColour(), kYellow);
    EXPECT_EQ(game_->MoveCount(), 4);
    EXPECT_FALSE(game_->CanRedo());

    // After another undo a new move drops what could have been redone.
    game_->Undo(canvas_);
    Tick();
    EXPECT_EQ(game_->History().Top(), 1);
    EXPECT_FALSE(game_->CanRedo());
}

// Purple has no marble left, so it passes every turn: undo and redo follow the moves made, not
// the turn order, and the move count follows the turns, passes included; with and without
// animation.
TEST_F(GameCommands, UndoAndRedoStepOverAPlayerWhoHadToPass) {
    ScopedFakeTicks ticks(0);
    for (int fullAnimation : {0, 1}) {
        SCOPED_TRACE(fullAnimation);
        game_ = std::make_unique<CGame>(host_);
        HumanAgainstThree(fullAnimation);
        game_->Board()->RemoveMarbles(kPurple);
        const auto settle = [&] {
            for (int i = 0; i < 1000 && game_->State() != kGamePlaying; ++i) {
                ticks.Advance(50);
                Tick();
            }
        };
        Tick(4);  // Yellow, Orange, Purple passes, Red
        const auto afterRound = Occupants(*game_->Board());
        Tick(4);
        ASSERT_EQ(game_->CurrentColour(), kYellow);
        ASSERT_EQ(game_->MoveCount(), 8);
        ASSERT_EQ(game_->History().Top(), 6);
        const auto afterTwo = Occupants(*game_->Board());

        game_->Undo(canvas_);
        // Animated, the moves taken back are replayed on the ticks.
        EXPECT_EQ(game_->State(), fullAnimation ? kGameUndoing : kGamePlaying);
        settle();
        EXPECT_EQ(game_->State(), kGamePlaying);
        EXPECT_EQ(Occupants(*game_->Board()), afterRound);
        EXPECT_EQ(game_->CurrentColour(), kYellow);
        EXPECT_EQ(game_->History().Position(), 3);
        EXPECT_EQ(game_->MoveCount(), 4);

        game_->Redo(canvas_);
        settle();
        EXPECT_EQ(Occupants(*game_->Board()), afterTwo);
        EXPECT_EQ(game_->CurrentColour(), kYellow);
        EXPECT_EQ(game_->MoveCount(), 8);
        EXPECT_FALSE(game_->CanRedo());
    }
}

TEST_F(GameCommands, SuggestionMarksTheBestMoveUntilTheNextTurn) {
    TwoHumans();
    game_->Suggest(canvas_);
    ASSERT_TRUE(game_->SuggestionShown());
    ASSERT_GE(canvas_.calls.size(), 2u);
    EXPECT_EQ(canvas_.calls[canvas_.calls.size() - 2].rfind("DrawMarbleRing FFFFFF", 0), 0u);
    EXPECT_EQ(canvas_.calls.back().rfind("DrawHoleDisc FFFFFF", 0), 0u);
    canvas_.calls.clear();
    Tick();
    EXPECT_FALSE(game_->SuggestionShown());
    EXPECT_EQ(canvas_.calls.back(), "Paint");
}

TEST_F(GameCommands, NoSuggestionForAColourWithoutMoves) {
    TwoHumans();
    // Wall Yellow in with no more than ten marbles of a colour, as in any real game.
    CGameBoard& b = *game_->Board();
    int placed = 0;
    for (int row = 5; row <= 6; ++row)
        for (int col = 0; col < kGridSize; ++col)
            if (IsHolePlace(col, row))
                b.Hole(col, row).occupant = kGreen - placed++ / 10;
    canvas_.calls.clear();
    game_->Suggest(canvas_);
    EXPECT_FALSE(game_->SuggestionShown());
    EXPECT_TRUE(canvas_.calls.empty());
}

TEST_F(GameCommands, SixRotationsGiveBackTheBoardAndTheHistory) {
    HumanAgainstThree(0);
    Tick(6);
    const auto board = Occupants(*game_->Board());
    const Move first = game_->History().MoveAt(0);
    game_->RotateBoard(canvas_, 0);
    EXPECT_NE(Occupants(*game_->Board()), board);
    EXPECT_EQ(game_->History().MoveAt(0).Start(), RotatePlace(first.Start(), 0));
    for (int i = 0; i < 5; ++i)
        game_->RotateBoard(canvas_, 0);
    EXPECT_EQ(Occupants(*game_->Board()), board);
    EXPECT_EQ(game_->History().MoveAt(0), first);
    // Every colour keeps its target.
    game_->RotateBoard(canvas_, 1);
    EXPECT_EQ(game_->Board()->TargetColour(kYellow), kPurple);
}

TEST_F(GameCommands, SavedGameLoadsWithTheSamePositionClocksAndUndo) {
    ScopedFakeTicks ticks(0);
    game_->SetOptions({.fullAnimation = false});
    Seat(kYellow);
    Seat(kRed, 2);
    Start(0, 300, 10);
    Tick(3);
    game_->RotateBoard(canvas_, 1);
    game_->Pause(canvas_);
    std::string error;
    const auto path = dir_ / "game.hlm";
    ASSERT_TRUE(game_->Save(path, error)) << error;

    const std::unique_ptr<CGame> game = LoadAgain(path);
    const CGame& loaded = *game;
    EXPECT_EQ(loaded.State(), kGamePlaying);
    EXPECT_EQ(loaded.CurrentColour(), game_->CurrentColour());
    EXPECT_EQ(loaded.MoveCount(), game_->MoveCount());
    EXPECT_EQ(loaded.TurnOrder(), game_->TurnOrder());
    EXPECT_EQ(Occupants(*loaded.Board()), Occupants(*game_->Board()));
    EXPECT_EQ(loaded.Board()->ZoneList(kYellow), game_->Board()->ZoneList(kYellow));
    EXPECT_EQ(loaded.PlayerClock(kRed)->Get(), game_->PlayerClock(kRed)->Get());
    EXPECT_EQ(loaded.History().Top(), 3);
    EXPECT_EQ(loaded.CanUndo(), game_->CanUndo());
    EXPECT_EQ(loaded.Seat(kRed)->SeatType(), 2);
    EXPECT_EQ(loaded.Seat(kYellow)->Rating(), 1600);
    for (int i = 0; i < kColorCount; ++i)
        EXPECT_EQ(loaded.PlaceAt(i), kNoColor);
}

std::array<int, kColorCount> MarbleCounts(const CGameBoard& b) {
    std::array<int, kColorCount> counts{};
    for (int32_t occupant : Occupants(b))
        if (occupant != kNoColor)
            ++counts[occupant];
    return counts;
}

// Two humans have made four moves and taken the last back; the saved history is then spoilt so
// that it no longer fits the board. The game keeps the part that fits: undo and redo can never
// put a marble onto another or move one that is not there.
TEST_F(GameCommands, ASavedHistoryThatDoesNotFitItsBoardIsCutToThePartThatFits) {
    game_->SetOptions({.fullAnimation = false});
    TwoHumans();
    Tick(4);
    game_->Undo(canvas_);
    ASSERT_EQ(game_->History().Position(), 3);
    std::string error;
    ASSERT_TRUE(game_->Save(dir_ / "good.hlm", error)) << error;
    const SavedGameReadResult good = LoadSavedGameFile(dir_ / "good.hlm");
    ASSERT_TRUE(good.status.Ok());
    ASSERT_EQ(good.record->holes[PlaceIndex(8, 9)].occupant, kNoColor);

    using R = SavedGameRecord;
    const auto at = [](R& r, Place p) -> int32_t& { return r.holes[PlaceIndex(p)].occupant; };
    const struct {
        const char* what;
        std::function<void(R&)> spoil;
        int top, position;
    } cases[] = {
        {"nothing", [](R&) {}, 4, 3},
        {"undo onto a marble", [&](R& r) { at(r, r.history[2].path.Start()) = kBlue; }, 1, 0},
        {"undo from an empty hole", [&](R& r) { at(r, r.history[2].path.End()) = kNoColor; }, 1, 0},
        {"a mover without a seat", [](R& r) { r.history[1].mover = kBlue; }, 2, 1},
        {"no legal move",
         [](R& r) {
             r.history[2].path.places[0] = {8, 9};
         },
         1, 0},
        {"redo onto a marble", [&](R& r) { at(r, r.history[3].path.End()) = kBlue; }, 3, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto record = std::make_unique<R>(*good.record);
        c.spoil(*record);
        ASSERT_TRUE(SaveSavedGameFile(dir_ / "spoilt.hlm", *record).Ok());
        const std::unique_ptr<CGame> game = LoadAgain(dir_ / "spoilt.hlm");
        CGame& loaded = *game;
        EXPECT_EQ(loaded.History().Top(), c.top);
        EXPECT_EQ(loaded.History().Position(), c.position);
        const auto counts = MarbleCounts(*loaded.Board());
        for (int i = 0; i < 4 && loaded.CanUndo(); ++i)
            loaded.Undo(canvas_);
        EXPECT_EQ(MarbleCounts(*loaded.Board()), counts);
        for (int i = 0; i < 4 && loaded.CanRedo(); ++i)
            loaded.Redo(canvas_);
        EXPECT_EQ(MarbleCounts(*loaded.Board()), counts);
        EXPECT_EQ(loaded.History().Position(), c.top);
    }
}

// The move count stays inside 0..kMaxMoveCount, so that it never wraps and a game can always be
// saved again.
TEST_F(GameCommands, TheMoveCountStaysWithinItsBound) {
    game_->SetOptions({.fullAnimation = false});
    TwoHumans();
    Tick(2);
    game_->Undo(canvas_);  // Red's move, to be redone
    std::string error;
    ASSERT_TRUE(game_->Save(dir_ / "game.hlm", error)) << error;
    const SavedGameReadResult read = LoadSavedGameFile(dir_ / "game.hlm");
    ASSERT_TRUE(read.status.Ok());

    const struct {
        int32_t saved;
        bool undo;  // else redo
        int32_t expected;
    } cases[] = {{kMaxMoveCount, false, kMaxMoveCount},
                 {kMaxMoveCount - 1, false, kMaxMoveCount},
                 {0, true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved);
        read.record->moveCount = c.saved;
        ASSERT_TRUE(SaveSavedGameFile(dir_ / "counted.hlm", *read.record).Ok());
        const std::unique_ptr<CGame> game = LoadAgain(dir_ / "counted.hlm");
        CGame& loaded = *game;
        ASSERT_TRUE(c.undo ? loaded.CanUndo() : loaded.CanRedo());
        if (c.undo)
            loaded.Undo(canvas_);
        else
            loaded.Redo(canvas_);
        EXPECT_EQ(loaded.MoveCount(), c.expected);
        ASSERT_TRUE(loaded.Save(dir_ / "again.hlm", error)) << error;
    }
}

// Truncated and bit-flipped files: a game either loads whole or is not built at all.
TEST_F(GameCommands, DamagedSavedGamesLoadWholeOrNotAtAll) {
    Seat(kYellow);
    Seat(kRed, 2);
    Start(0, 120, 0);
    Tick(5);
    std::string error;
    const auto good = dir_ / "good.hlm";
    ASSERT_TRUE(game_->Save(good, error));
    std::ifstream in(good, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SplitMix64 random(99);
    int loaded = 0;
    for (int round = 0; round < 300; ++round) {
        std::string damaged = bytes;
        if (round % 3 == 0) {
            damaged.resize(random.Below(static_cast<uint32_t>(bytes.size())));
        } else {
            for (int flips = 1 + static_cast<int>(random.Below(4)); flips > 0; --flips)
                damaged[random.Below(static_cast<uint32_t>(damaged.size()))] ^=
                    static_cast<char>(1 << random.Below(8));
        }
        const auto path = dir_ / "damaged.hlm";
        std::ofstream(path, std::ios::binary | std::ios::trunc) << damaged;
        CGame game(host_);
        if (game.Load(canvas_, 800, 600, path, error)) {
            ++loaded;
            EXPECT_EQ(game.State(), kGamePlaying);
            ASSERT_NE(game.Current(), nullptr);
            game.Tick(canvas_);
        } else {
            EXPECT_EQ(game.Board(), nullptr) << error;
            EXPECT_EQ(game.Players(), 0);
        }
    }
    EXPECT_LT(loaded, 300);
}

TEST_F(GameCommands, UndoIsRefusedOnceSomebodyHasFinishedAndTheGameIsFiledWithTheNewRatings) {
    TwoHumans();
    RecordTime end;
    EXPECT_FALSE(BuildRecordOf(*game_, end).has_value());  // not over yet
    YellowNearlyHome();
    Tick(2);
    ASSERT_TRUE(game_->Finished(kYellow));
    EXPECT_FALSE(game_->CanUndo());
    EXPECT_FALSE(game_->CanRedo());
    game_->EndGameNow(canvas_);
    StatsDatabase stats;
    ASSERT_TRUE(FileFinishedGame(*game_, stats, end).Ok());
    const std::optional<GameRecord> record = BuildRecordOf(*game_, end);
    ASSERT_TRUE(record.has_value());
    ASSERT_EQ(record->count, 2);
    // Both started at 1600 (from the statistics): the winner takes 5.
    EXPECT_EQ(record->participants[0].rating, 1605);
    EXPECT_EQ(record->participants[1].rating, 1595);
    EXPECT_EQ(record->participants[0].place, 0);
    StatsDatabase reread;
    EXPECT_TRUE(reread.Load().Ok());
    EXPECT_EQ(reread.Count(), 1);  // both seats are named "P": one player, two participants
}

TEST(MoveHistory, TheThousandAndTwentyFourthMoveRestartsIt) {
    CMoveHistory h;
    Move m;
    m.Append({8, 9});
    m.Append({8, 8});
    for (int i = 0; i < 1023; ++i)
        h.Record(i % 6, m);
    EXPECT_EQ(h.Top(), 1023);
    h.Record(5, m);
    EXPECT_EQ(h.Top(), 1);
    EXPECT_EQ(h.Position(), 1);
    EXPECT_EQ(h.MoverAt(0), 5);
    EXPECT_EQ(h.StepBack(), 0);
    EXPECT_EQ(h.StepBack(), -1);
    EXPECT_EQ(h.StepForward(), 0);
    EXPECT_EQ(h.StepForward(), -1);
}

}  // namespace
}  // namespace halmora
