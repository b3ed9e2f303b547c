#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "board/MoveGenerator.h"
#include "cli/CliRunner.h"
#include "game/SavedGameRecord.h"
#include "support/Boards.h"
#include "support/TempFolder.h"

namespace halmora {
namespace {

using namespace halmora::testing;

class SearchCommands : public ::testing::Test {
protected:
    // Yellow (to move) against Red, a few moves into the game.
    std::string SaveGame(const CGameBoard& board, PlayerColor toMove = kYellow) {
        auto record = std::make_unique<SavedGameRecord>();
        record->playerCount = 2;
        record->moveCount = 4;
        record->currentColour = toMove;
        record->players[0].colour = kYellow;
        record->players[1].colour = kRed;
        record->players[1].seatType = 6;
        board.WriteHoles(record->holes);
        const auto path = dir_ / "game.hlm";
        EXPECT_TRUE(SaveSavedGameFile(path, *record).Ok());
        return path.string();
    }

    static CGameBoard Opening() {
        CGameBoard board;
        SetUpStartPosition(board, Seats({kYellow, kRed}));
        board.MoveMarble({8, 4}, {8, 5});
        board.MoveMarble({8, 14}, {8, 13});
        return board;
    }

    TempFolder folder_{"halmora-search"};
    const std::filesystem::path& dir_ = folder_.Path();
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST_F(SearchCommands, CandidatesListEveryMoveWithItsScoreThenTheKeptOnesTheFirstSuggested) {
    const CGameBoard board = Opening();
    const std::string file = SaveGame(board);
    const CliResult all = RunCli("candidates " + file);
    ASSERT_EQ(all.exitCode, 0) << all.err;
    const std::vector<std::string> lines = Lines(all.out);
    // As many lines as Yellow has moves.
    const BoardCells cells = BoardCells::Snapshot(board);
    int moves = 0;
    MoveList list;
    for (int i = 0; i < kPlaceCount; ++i) {
        if (cells.cells[i].occupant != kYellow)
            continue;
        GenerateMoves(cells, Place{i % kGridSize, i / kGridSize}, list);
        moves += list.count;
    }
    EXPECT_EQ(static_cast<int>(lines.size()), moves);
    const std::regex line(R"(^\d+,\d+( \d+,\d+)+ \|( -?[0-9.e+-]+){7} \d+$)");
    for (const std::string& l : lines)
        EXPECT_TRUE(std::regex_match(l, line)) << l;
    // The step from (8,5) straight on: nearer, forward, and the marble left behind on (8,5)
    // could jump over it; 12 steps from the tip.
    EXPECT_NE(all.out.find("8,5 8,6 | 0.460000008 0.0500000007 1 0 0 1 0.5 12\n"),
              std::string::npos)
        << all.out;

    const CliResult kept = RunCli("candidates " + file + " --keep 3");
    EXPECT_EQ(kept.exitCode, 0);
    EXPECT_EQ(Lines(kept.out).size(), 3u);
    EXPECT_EQ(RunCli("candidates " + file + " --keep 0").exitCode, 2);

    // The one candidate kept by --keep 1 is the suggestion.
    const CliResult one = RunCli("candidates " + file + " --keep 1");
    const CliResult suggested = RunCli("suggest " + file);
    ASSERT_EQ(suggested.exitCode, 0) << suggested.err;
    EXPECT_EQ(suggested.out, one.out.substr(0, one.out.find(" |")) + "\n");
    EXPECT_EQ(RunCli("suggest").exitCode, 2);
}

TEST_F(SearchCommands, ThinkPrintsTheChosenPathOrNone) {
    const std::string file = SaveGame(Opening());
    const CliResult r = RunCli("think " + file + " --level 2");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(std::regex_match(r.out, std::regex(R"(^\d+,\d+( \d+,\d+)+\n$)"))) << r.out;
    EXPECT_NE(r.err.find("nodes: "), std::string::npos);
    EXPECT_EQ(RunCli("think " + file + " --level 7").exitCode, 2);
    EXPECT_EQ(RunCli("think " + file).exitCode, 2);

    // Yellow has finished: nothing to choose.
    CGameBoard done = EmptyBoard();
    done.PlaceMarbles(kRed);
    for (const Place p : done.ZoneList(kRed))
        done.Hole(p).occupant = kYellow;
    for (const Place p : done.ZoneList(kYellow))
        done.Hole(p).occupant = kRed;
    const CliResult none = RunCli("think " + SaveGame(done) + " --level 3");
    EXPECT_EQ(none.exitCode, 0) << none.err;
    EXPECT_EQ(none.out, "none\n");
}

}  // namespace
}  // namespace halmora
