#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/CliRunner.h"
#include "game/SavedGameRecord.h"
#include "support/Boards.h"
#include "support/TempFolder.h"

namespace halmora {
namespace {

using namespace halmora::testing;

class MovesCommand : public ::testing::Test {
protected:
    // A two-player game, Yellow against Red, with a crowd round the centre.
    std::string SaveGame() {
        CGameBoard board;
        SetUpStartPosition(board, Seats({kYellow, kRed}));
        board.MoveMarble({8, 4}, {8, 8});
        board.MoveMarble({9, 4}, {9, 8});
        board.MoveMarble({8, 14}, {9, 10});
        board.MoveMarble({7, 14}, {8, 11});
        board.MoveMarble({9, 14}, {7, 10});
        board.MoveMarble({6, 4}, {8, 9});
        auto record = std::make_unique<SavedGameRecord>();
        record->playerCount = 2;
        record->currentColour = kYellow;
        record->players[0].colour = kYellow;
        record->players[1].colour = kRed;
        record->players[1].seatType = 6;
        record->seatTypes[kYellow] = 1;
        record->seatTypes[kRed] = 6;
        board.WriteHoles(record->holes);
        const auto path = dir_ / "game.hlm";
        EXPECT_TRUE(SaveSavedGameFile(path, *record).Ok());
        return path.string();
    }

    TempFolder folder_{"halmora-moves"};
    const std::filesystem::path& dir_ = folder_.Path();
};

TEST_F(MovesCommand, PrintsEveryPathInGeneratorOrderAndNothingForAMarbleWithout) {
    const std::string game = SaveGame();
    const CliResult r = RunCli("moves " + game + " 8 9");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "8,9 9,9\n"
              "8,9 8,10\n"
              "8,9 7,9\n"
              "8,9 7,8\n"
              "8,9 9,7\n"
              "8,9 9,7 10,9\n"
              "8,9 9,7 10,9 9,11\n"
              "8,9 9,7 10,9 9,11 7,11\n"
              "8,9 7,11\n");
    EXPECT_EQ(r.err, "");
    const CliResult none = RunCli("moves " + game + " 8 1");
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "");
}

TEST_F(MovesCommand, BadInputIsOneLineOnStderrAndExitTwo) {
    const std::string game = SaveGame();
    const auto garbage = dir_ / "garbage.hlm";
    std::ofstream(garbage) << "not a saved game";
    const std::string cases[] = {
        "moves " + game + " 8 5",   // empty hole
        "moves " + game + " 0 0",   // not a hole
        "moves " + game + " 19 3",  // off the grid
        "moves " + game + " x 3",   // not a number
        "moves " + game + " 8",     // missing argument
        "moves " + (dir_ / "none.hlm").string() + " 8 9",
        "moves " + garbage.string() + " 8 9",
    };
    for (const std::string& args : cases) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        ASSERT_FALSE(r.err.empty()) << args;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << ": " << r.err;
    }
}

TEST(Cli, PerftCountsFromTheStartAndAnUnknownCommandFails) {
    const CliResult r = RunCli("perft 2 3");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "4844\n");
    const CliResult unknown = RunCli("frobnicate");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("unknown command"), std::string::npos);
}

}  // namespace
}  // namespace halmora
