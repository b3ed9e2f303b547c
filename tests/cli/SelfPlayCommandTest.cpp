// selfplay's soak options: forced moves, a wall-time cap per game and the report of why games
// stopped short. Without them the output is exactly what it always was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <vector>

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

TEST(SelfPlayCommand, ForcesSearchesAndGivesUpGamesThatRunTooLong) {
    // Master without a budget thinks long; forced within 100 ms of its start, a search ends
    // early, and the game goes on as usual.
    const CliResult forced = RunCli(
        "selfplay --seats Yellow=master,Red=master --max-moves 4 --force-percent 100 "
        "--max-seconds 60 --report on");
    ASSERT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_NE(forced.out.find("unfinished after 4 moves"), std::string::npos) << forced.out;
    EXPECT_TRUE(std::regex_search(forced.out, std::regex("forced moves [1-4]\n$"))) << forced.out;

    // Never forced, a hundred of master's moves outlast a second: the game is dropped, most
    // likely mid-search.
    const CliResult capped = RunCli(
        "selfplay --seats Yellow=master,Red=master --max-seconds 1 --report on --max-moves 100");
    ASSERT_EQ(capped.exitCode, 0) << capped.err;
    EXPECT_NE(capped.out.find("  why: time cap reached | home "), std::string::npos) << capped.out;
    EXPECT_NE(capped.out.find("unfinished: move cap 0, time cap 1, other 0;"), std::string::npos)
        << capped.out;
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

// Starts a short selfplay with TMPDIR set to `tmp`, planting `plant` under the name the child's
// process id gives before it runs; returns the exit status.
int SelfPlayBeside(const std::filesystem::path& tmp, const std::function<void(pid_t)>& plant) {
    std::vector<std::string> env{"TMPDIR=" + tmp.string()};
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, "TMPDIR=", 7) != 0)
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const char* const argv[] = {HALMORA_CLI,   "selfplay", "--seats", "Yellow=novice,Red=novice",
                                "--max-moves", "2",        nullptr};
    int go[2];
    if (::pipe(go) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(go[1]);
        char c;
        if (::read(go[0], &c, 1) != 1)
            ::_exit(126);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execve(HALMORA_CLI, const_cast<char* const*>(argv), envp.data());
        ::_exit(127);
    }
    ::close(go[0]);
    plant(pid);
    const bool started = ::write(go[1], "x", 1) == 1;
    ::close(go[1]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return started && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Its settings go to a fresh private folder, removed afterwards: a link or a file planted under
// a name it could guess is neither followed nor in the way.
TEST(SelfPlayCommand, WorksInAFreshPrivateFolderAndRemovesIt) {
    namespace fs = std::filesystem;
    TempFolder folder("halmora-selfplay-test");
    const fs::path tmp = folder / "tmp", elsewhere = folder / "elsewhere";
    for (bool link : {true, false}) {
        SCOPED_TRACE(link ? "a link" : "a file");
        fs::remove_all(tmp);
        fs::remove_all(elsewhere);
        fs::create_directories(tmp);
        fs::create_directories(elsewhere);
        fs::path planted;
        const int exitCode = SelfPlayBeside(tmp, [&](pid_t pid) {
            planted = tmp / ("halmora-selfplay-" + std::to_string(pid));
            if (link)
                fs::create_directory_symlink(elsewhere, planted);
            else
                std::ofstream(planted) << "keep";
        });
        EXPECT_EQ(exitCode, 0);
        EXPECT_TRUE(fs::is_empty(elsewhere));
        EXPECT_TRUE(link ? fs::is_symlink(planted) : ReadText(planted) == "keep");
        // Nothing left behind but what was planted.
        EXPECT_EQ(std::distance(fs::directory_iterator(tmp), fs::directory_iterator()), 1);
    }
}

}  // namespace
}  // namespace halmora
