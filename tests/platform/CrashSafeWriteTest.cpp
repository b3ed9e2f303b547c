// Saving must never leave a damaged file, whenever the process dies. A child process saves two
// versions of a file turn about, again and again, and is killed with SIGKILL at a random moment;
// the file on disk must then be byte for byte a whole version, and at most the one temporary of
// the interrupted save may be left beside it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/AppFolder.h"
#include "platform/FileIO.h"
#include "platform/TextEncoding.h"
#include "records/StatsDatabase.h"
#include "support/TempFolder.h"

namespace halmora {
namespace {

namespace fs = std::filesystem;

constexpr int kKillsPerKind = 200;
// Saves wait for the disk, which may be slow or busy: the kills of a kind stop after a while, but
// never before this many.
constexpr int kMinKillsPerKind = 50;
#if defined(__SANITIZE_ADDRESS__)
constexpr std::chrono::seconds kTimePerKind{15};
#else
constexpr std::chrono::seconds kTimePerKind{3};
#endif

using Clock = std::chrono::steady_clock;

long long MicrosecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}

// One kind of file: where it lives, its versions and how the program saves each of them.
struct FileKind {
    fs::path path;
    std::vector<uint8_t> initial, first, second;
    std::function<bool(int version)> save;  // version 0 first, 1 second
};

std::vector<uint8_t> ReadAll(const fs::path& p) {
    return ReadFileLimited(p, std::size_t{64} << 20).bytes;
}

// The temporaries beside path that a save of it leaves when killed.
std::vector<fs::path> Temporaries(const fs::path& path) {
    std::vector<fs::path> found;
    const std::string prefix = "." + path.filename().string() + ".";
    for (const fs::directory_entry& e : fs::directory_iterator(path.parent_path())) {
        const std::string name = e.path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(".tmp"))
            found.push_back(e.path());
    }
    return found;
}

GameRecord MakeRecord(const char* human, int32_t year, int32_t startMs, int32_t place) {
    GameRecord r;
    r.count = 2;
    r.participants[0] = {ToGbkName(human), 1, 1500 + place, 0, place};
    r.participants[1] = {ToGbkName("Expert A.I."), 5, 1800, 3, 1 - place};
    r.year = year;
    r.month = 3;
    r.day = 14;
    r.startMs = startMs;
    r.endMs = startMs + 60000;
    return r;
}

StatsDatabase MakeStats(int players, int gamesEach) {
    StatsDatabase db;
    for (int p = 0; p < players; ++p)
        for (int g = 0; g < gamesEach; ++g)
            db.AddGameRecord(MakeRecord(("Player " + std::to_string(p)).c_str(), 1990 + g % 30,
                                        g * 1000, (p + g) % 2));
    return db;
}

class CrashSafeWrite : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = ApplicationFolder();
        SetApplicationFolder(folder_.Path());
        fs::create_directories(folder_ / "Data");
    }
    void TearDown() override { SetApplicationFolder(previous_); }

    // Starts a child that saves the first and second versions in turn until it is killed,
    // writing one byte to `done` after each whole save ('E' and exit when a save fails).
    static pid_t StartSaver(const FileKind& kind, int done) {
        const pid_t pid = ::fork();
        if (pid != 0)
            return pid;
        for (int version = 0;; version ^= 1) {
            const bool saved = kind.save(version);
            const char mark = saved ? static_cast<char>('0' + version) : 'E';
            if (::write(done, &mark, 1) != 1 || !saved)
                ::_exit(3);
        }
    }

    // Kills savers of `kind` at random moments; after each kill the file must be whole.
    void KillWhileSaving(const FileKind& kind, uint32_t seed) {
        // The kills are spread over a few saves' time, however fast this machine saves.
        const Clock::time_point timing = Clock::now();
        ASSERT_TRUE(kind.save(0) && ReadAll(kind.path) == kind.first) << kind.path;
        ASSERT_TRUE(kind.save(1) && ReadAll(kind.path) == kind.second) << kind.path;
        const long long twoSaves = std::max(MicrosecondsSince(timing), 100LL);
        ASSERT_TRUE(WriteFileAtomically(kind.path, kind.initial).Ok());
        ASSERT_NE(kind.initial, kind.first);
        ASSERT_NE(kind.first, kind.second);

        std::mt19937 random(seed);
        long long startUp = twoSaves;  // from fork to the first whole save, as last seen
        std::vector<uint8_t> before = kind.initial;
        int sawInitial = 0, sawFirst = 0, sawSecond = 0, leftTemporary = 0;
        const Clock::time_point begin = Clock::now();
        int kills = 0;
        for (; kills < kKillsPerKind &&
               (kills < kMinKillsPerKind || Clock::now() - begin < kTimePerKind);
             ++kills) {
            const int kill = kills;
            int fds[2];
            ASSERT_EQ(::pipe(fds), 0);
            const pid_t child = StartSaver(kind, fds[1]);
            ASSERT_GT(child, 0);
            ::close(fds[1]);
            const Clock::time_point forked = Clock::now();
            // Every other child is first let finish a save, so the later saves are hit too.
            char mark = 0;
            long long window = startUp + twoSaves / 2;
            if (kill % 2 == 1) {
                ASSERT_EQ(::read(fds[0], &mark, 1), 1);
                ASSERT_NE(mark, 'E') << "a save failed";
                startUp = MicrosecondsSince(forked);
                window = twoSaves;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(
                std::uniform_int_distribution<long long>(0, window)(random)));
            ASSERT_EQ(::kill(child, SIGKILL), 0);
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
                << "the saver stopped by itself: a save failed";
            bool savedWhole = mark != 0;
            for (char more; ::read(fds[0], &more, 1) == 1;) {
                ASSERT_NE(more, 'E') << "a save failed";
                savedWhole = true;
            }
            ::close(fds[0]);

            const std::vector<uint8_t> now = ReadAll(kind.path);
            // Before any save was whole, the file is as it was or the first version just renamed
            // into place; after one, it is one of the two versions.
            ASSERT_TRUE(now == kind.first || now == (savedWhole ? kind.second : before))
                << kind.path << ": " << now.size() << " bytes after kill " << kill;
            sawInitial += now == kind.initial;
            sawFirst += now == kind.first;
            sawSecond += now == kind.second;
            before = now;

            const std::size_t temporaries = Temporaries(kind.path).size();
            ASSERT_LE(temporaries, 1u) << "temporaries pile up after kill " << kill;
            leftTemporary += temporaries == 1;
        }
        EXPECT_GE(sawFirst + sawSecond, kills / 2);
        std::printf("  %s: initial %d, first %d, second %d after %d kills; %d left a temporary\n",
                    kind.path.filename().c_str(), sawInitial, sawFirst, sawSecond, kills,
                    leftTemporary);

        // A later save works with a dead saver's temporary beside the file and clears it; the
        // temporary of a live process is not touched.
        const fs::path dead =
            kind.path.parent_path() / ("." + kind.path.filename().string() + "." +
                                       std::to_string(LastDeadChild()) + ".0.tmp");
        const fs::path live = kind.path.parent_path() / ("." + kind.path.filename().string() + "." +
                                                         std::to_string(::getppid()) + ".7.tmp");
        ASSERT_TRUE(WriteFileAtomically(dead, kind.second).Ok());
        ASSERT_TRUE(WriteFileAtomically(live, kind.second).Ok());
        ASSERT_TRUE(kind.save(0));
        EXPECT_EQ(ReadAll(kind.path), kind.first);
        EXPECT_EQ(Temporaries(kind.path), std::vector<fs::path>{live});
        fs::remove(live);
    }

    // A process id that surely belongs to nobody: a child that has exited and been reaped.
    static pid_t LastDeadChild() {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(0);
        ::waitpid(pid, nullptr, 0);
        return pid;
    }

    testing::TempFolder folder_{"halmora-crashsafe"};
    fs::path previous_;
};

TEST_F(CrashSafeWrite, StatisticsAreAlwaysWhole) {
    const StatsDatabase small = MakeStats(2, 3), first = MakeStats(3, 40),
                        second = MakeStats(40, 60);
    FileKind kind{StatsDatabase::DefaultPath(), small.Write(), first.Write(), second.Write(),
                  [&](int version) { return (version == 0 ? first : second).Save().Ok(); }};
    KillWhileSaving(kind, 20240601u);
}

}  // namespace
}  // namespace halmora
