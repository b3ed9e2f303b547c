// The game program itself, run off screen in a folder of its own and ended as a logout ends it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "app/AppFixtures.h"

extern char** environ;

namespace halmora {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Whether the process has handlers of its own for SIGTERM and SIGHUP yet.
bool CatchesSessionSignals(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) != 0)
            continue;
        const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
        const unsigned long long wanted = (1ULL << (SIGTERM - 1)) | (1ULL << (SIGHUP - 1));
        return (caught & wanted) == wanted;
    }
    return false;
}

// Waits (up to a minute, for slow sanitizer builds) until `done` holds or the process ends.
bool WaitFor(pid_t pid, int& status, bool& ended, const std::function<bool()>& done) {
    for (int i = 0; i < 60000; ++i) {
        if (!ended && ::waitpid(pid, &status, WNOHANG) == pid)
            ended = true;
        if (done())
            return true;
        if (ended)
            return false;
        ::usleep(1000);
    }
    return false;
}

TEST(GameProcessTest, SigtermClosesTheProgramAsItsCloseCommandDoes) {
    testing::TempFolder folder("halmora-process");
    std::filesystem::create_directories(folder.Path() / "Data");
    testing::LinkGameFiles(folder.Path());
    const std::string log = (folder.Path() / "output.txt").string();

    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || ::dup2(out, 1) < 0 || ::dup2(out, 2) < 0 ||
            ::chdir(folder.Path().c_str()) != 0)
            ::_exit(127);
        char* const argv[] = {const_cast<char*>(HALMORA_GAME), nullptr};
        ::execve(HALMORA_GAME, argv, environ);  // the offscreen platform comes with it
        ::_exit(127);
    }
    int status = 0;
    bool ended = false;
    const bool ready = WaitFor(pid, status, ended, [&] { return CatchesSessionSignals(pid); });
    ASSERT_TRUE(ready) << "the game did not start: " << ReadFile(log);
    ASSERT_EQ(::kill(pid, SIGTERM), 0);
    if (!WaitFor(pid, status, ended, [&] { return ended; })) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        FAIL() << "the game did not end: " << ReadFile(log);
    }
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << ReadFile(log);
    // The settings are saved as at every close.
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Data" / "Settings.dat"));
}

}  // namespace
}  // namespace halmora
