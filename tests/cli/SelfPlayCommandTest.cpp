// selfplay's soak options: forced moves, a wall-time cap per game and the report of why games
// stopped short. Without them the output is exactly what it always was.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "cli/CliRunner.h"
#include "support/TempFolder.h"

namespace halmora {
namespace {

using namespace halmora::testing;

constexpr const char* kTwoSeats = "selfplay --seats Yellow=novice,Red=average --seed 3";

TEST(SelfPlayCommand, ReportsWhyEachGameStoppedOnlyWhenAskedTo) {
    const CliResult plain = RunCli(std::string(kTwoSeats) + " --games 2 --max-moves 6");
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_TRUE(std::regex_match(
        plain.out,
        std::regex("game 1: order (Yellow Red|Red Yellow) \\| unfinished after 6 moves \\| "
                   "[0-9.]+ s\n"
                   "game 2: order (Yellow Red|Red Yellow) \\| unfinished after 6 moves \\| "
                   "[0-9.]+ s\n"
                   "wins: Yellow=novice 0, Red=average 0, unfinished 2\n"
                   "think: novice [0-9.]+ s/move over [0-9]+ moves; average [0-9.]+ s/move "
                   "over [0-9]+ moves\n")))
        << plain.out;

    const CliResult report =
        RunCli(std::string(kTwoSeats) + " --games 2 --max-moves 6 --report on");
    ASSERT_EQ(report.exitCode, 0) << report.err;
    EXPECT_TRUE(std::regex_search(
        report.out, std::regex("\\| unfinished after 6 moves \\| [0-9.]+ s\n"
                               "  why: move cap reached \\| home (Yellow 0 Red 0|Red 0 Yellow 0)\n"
                               "game 2: ")))
        << report.out;
    EXPECT_TRUE(
        report.out.ends_with("unfinished: move cap 2, time cap 0, other 0; ended with "
                             "nobody able to move 0; forced moves 0\n"))
        << report.out;

    // The report only adds lines: the same seed plays the same games either way.
    const std::regex times("[0-9.]+ s(/move)?");
    EXPECT_EQ(std::regex_replace(plain.out, times, "T"),
              std::regex_replace(
                  std::regex_replace(report.out, std::regex("(  why|unfinished): .*\n"), ""), times,
                  "T"));
}

TEST(SelfPlayCommand, RefusesBadSoakOptions) {
    for (const char* bad :
         {"--force-percent 101", "--force-percent -1", "--max-seconds 0", "--report yes"}) {
        const CliResult r = RunCli(std::string(kTwoSeats) + " " + bad);
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_NE(r.err.find("halmora-cli selfplay: bad value for "), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << bad;
    }
}

}  // namespace
}  // namespace halmora
