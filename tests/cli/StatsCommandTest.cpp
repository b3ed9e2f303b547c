#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "platform/FileIO.h"
#include "records/Rating.h"
#include "records/StatsDatabase.h"
#include "support/TempFolder.h"

namespace halmora {
namespace {

using namespace halmora::testing;

class StatsCommand : public ::testing::Test {
protected:
    CliResult Stats(const std::filesystem::path& file) {
        CliResult r = RunCli("stats '" + file.string() + "'");
        if (r.err.find("unknown command") != std::string::npos)
            ADD_FAILURE() << "stats is not a command of halmora-cli";
        return r;
    }

    TempFolder folder_{"halmora-stats-cli"};
    const std::filesystem::path& dir_ = folder_.Path();
};

TEST_F(StatsCommand, PrintsPlayersAndRecordsWithUtf8Names) {
    const std::vector<RecordSeat> seats = {
        {ToGbkName("张三"), 1, 0, 1500, 0},
        {ToGbkName("Master A.I."), 6, 2, 2000, 2},
        {ToGbkName("Bob"), 1, 4, 1500, 1},
    };
    StatsDatabase db;
    db.AddGameRecord(*BuildGameRecord(seats, {5, 2, 2004, 76025000}, 2012345));
    const std::filesystem::path file = dir_ / "Stats.dat";
    ASSERT_TRUE(db.Save(file).Ok());

    const CliResult r = Stats(file);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string game =
        "  game 1: 2004-03-05 20:33:32.655 to 21:07:05.000, 3 participants\n"
        "    place 1  Yellow  human      1513  张三\n"
        "    place 3  Blue    master     1992  Master A.I.\n"
        "    place 2  Orange  human      1495  Bob\n";
    // Players come out in the order a load gives: the reverse of the file's.
    EXPECT_EQ(r.out,
              "players: 2\n"
              "player: 张三\n"
              "  rating 1513, games 1, won 1, lost 0\n" +
                  game +
                  "player: Bob\n"
                  "  rating 1495, games 1, won 0, lost 1\n" +
                  game);
}

TEST_F(StatsCommand, UnreadableOrDamagedFilesExitWithOneLineOnStderr) {
    const CliResult missing = Stats(dir_ / "missing.dat");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("missing.dat"), std::string::npos);

    const std::filesystem::path file = dir_ / "cut.dat";
    ASSERT_TRUE(WriteFileAtomically(file, std::vector<uint8_t>{5, 0, 0, 0}).Ok());
    const CliResult cut = Stats(file);
    EXPECT_EQ(cut.exitCode, 2);
    EXPECT_EQ(cut.out, "players: 0\n");
    EXPECT_EQ(cut.err.find('\n'), cut.err.size() - 1) << cut.err;
}

}  // namespace
}  // namespace halmora
