// The statistics file as windows of one game folder share it: changes merged under the lock by
// two real processes, a damaged file kept aside rather than written over, and writes that fail
// saying why while the game waits to be written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/AppFolder.h"
#include "platform/FileIO.h"
#include "platform/FileLock.h"
#include "records/StatsDatabase.h"
#include "support/TempFolder.h"

namespace halmora {
namespace {

namespace fs = std::filesystem;

// A game two humans played; `start` tells the games apart.
GameRecord Game(const char* winner, const char* loser, int32_t start) {
    GameRecord r;
    r.count = 2;
    r.participants[0] = {ToGbkName(winner), 1, 1505, 0, 0};
    r.participants[1] = {ToGbkName(loser), 1, 1495, 3, 1};
    r.year = 2026;
    r.day = 7;
    r.startMs = start;
    r.endMs = start + 60000;
    return r;
}

std::vector<uint8_t> Bytes(const fs::path& path) {
    return ReadFileLimited(path, kMaxStatsFileBytes).bytes;
}

class SharedStats : public ::testing::Test {
protected:
    SharedStats() : previous_(ApplicationFolder()) {
        SetApplicationFolder(folder_.Path());
        fs::create_directory(folder_ / "Data");
    }
    ~SharedStats() override { SetApplicationFolder(previous_); }

    static fs::path File() { return StatsDatabase::DefaultPath(); }
    // Records of the player in the file as it is now (0 when it has no entry).
    static std::size_t OnDisk(const char* name) {
        StatsDatabase db;
        EXPECT_TRUE(db.Load().Ok());
        const PlayerEntry* entry = db.Find(name);
        return entry ? entry->records.size() : 0;
    }
    std::vector<fs::path> Kept() const {
        std::vector<fs::path> kept;
        for (const auto& e : fs::directory_iterator(folder_ / "Data"))
            if (e.path().filename().string().starts_with("Stats.dat.damaged-"))
                kept.push_back(e.path());
        return kept;
    }

    testing::TempFolder folder_{"halmora-shared-stats"};
    fs::path previous_;
};

TEST_F(SharedStats, TwoProcessesFilingInAnyOrderKeepEveryRecord) {
    // Both windows read the file at start-up, then take turns, then file freely at once.
    constexpr int kTurns = 4, kFree = 20;
    ASSERT_TRUE(StatsDatabase().FileGame(Game("Old", "Shared", 1)).Ok());
    StatsDatabase window;
    ASSERT_TRUE(window.Open().Ok());
    int toChild[2], toParent[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(toParent), 0);
    char token = 0;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int failures = 0;
        for (int i = 0; i < kTurns + kFree; ++i) {
            if (i < kTurns && ::read(toChild[0], &token, 1) != 1)
                ::_exit(100);
            failures += window.FileGame(Game("Child", "Shared", 100 + i)).Ok() ? 0 : 1;
            if (i < kTurns && ::write(toParent[1], &token, 1) != 1)
                ::_exit(101);
        }
        ::_exit(failures);
    }
    for (int i = 0; i < kTurns + kFree; ++i) {
        EXPECT_TRUE(window.FileGame(Game("Parent", "Shared", 200 + i)).Ok());
        if (i < kTurns) {
            ASSERT_EQ(::write(toChild[1], &token, 1), 1);
            ASSERT_EQ(::read(toParent[0], &token, 1), 1);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    for (int fd : {toChild[0], toChild[1], toParent[0], toParent[1]})
        ::close(fd);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    EXPECT_EQ(OnDisk("Old"), 1u);
    EXPECT_EQ(OnDisk("Parent"), static_cast<std::size_t>(kTurns + kFree));
    EXPECT_EQ(OnDisk("Child"), static_cast<std::size_t>(kTurns + kFree));
    EXPECT_EQ(OnDisk("Shared"), static_cast<std::size_t>(2 * (kTurns + kFree) + 1));
}

TEST_F(SharedStats, OneWindowsChangeNeverUndoesAnothersAndExitWritesOnlyWhatWaits) {
    ASSERT_TRUE(StatsDatabase().FileGame(Game("Ann", "Bob", 1)).Ok());
    StatsDatabase a, b;
    ASSERT_TRUE(a.Open().Ok());
    ASSERT_TRUE(b.Open().Ok());

    ASSERT_TRUE(b.FileGame(Game("Cid", "Dan", 2)).Ok());
    ASSERT_TRUE(a.DeletePlayerFromFile("Bob").Ok());  // a never saw Cid's game
    EXPECT_EQ(OnDisk("Bob"), 0u);
    EXPECT_EQ(OnDisk("Cid"), 1u);
    EXPECT_NE(a.Find("Cid"), nullptr);  // memory follows the file
    EXPECT_EQ(a.DeletePlayerFromFile("Nobody").error, StatsError::NoSuchPlayer);

    // Nothing waits in a, so closing it writes nothing over the game b files meanwhile.
    ASSERT_TRUE(b.FileGame(Game("Eve", "Ann", 3)).Ok());
    const std::vector<uint8_t> before = Bytes(File());
    EXPECT_EQ(a.PendingGames(), 0u);
    EXPECT_TRUE(a.SavePending().Ok());
    EXPECT_EQ(Bytes(File()), before);
    EXPECT_EQ(OnDisk("Eve"), 1u);

    // A window that holds the lock too long is reported, not waited for without end.
    FileStatus held, waited;
    const FileLock lock = FileLock::Acquire(File(), held);
    ASSERT_TRUE(held.Ok());
    const FileLock second = FileLock::Acquire(File(), waited, 0);
    EXPECT_FALSE(second.Held());
    EXPECT_NE(waited.message.find("locked"), std::string::npos);
}

TEST_F(SharedStats, AFileNotReadWholeIsKeptAsideAndWhatWasReadGoesOn) {
    // File order: Cid (1 record), Bob (1), Ann (2); Ann's older game is the last record.
    const std::size_t lastRecord = GameRecordBytes(2);
    const struct {
        const char* what;
        std::function<void(const fs::path&)> damage;
        const char* reason;
        int32_t players, records;  // what goes on
    } cases[] = {
        {"negative participant count",
         [&](const fs::path& p) {
             std::vector<uint8_t> bytes = Bytes(p);
             const int32_t n = -2;
             std::memcpy(bytes.data() + bytes.size() - lastRecord, &n, 4);
             ASSERT_TRUE(WriteFileAtomically(p, bytes).Ok());
         },
         "participant", 3, 3},
        {"trailing bytes", [](const fs::path& p) { std::ofstream(p, std::ios::app) << "xyz"; },
         "3 bytes follow", 3, 4},
        {"a folder in its place",
         [](const fs::path& p) {
             fs::remove(p);
             fs::create_directories(p / "inside");
         },
         "not a regular file", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder_ / "Data");
        StatsDatabase setup;
        ASSERT_TRUE(setup.FileGame(Game("Ann", "Bob", 1)).Ok());
        ASSERT_TRUE(setup.FileGame(Game("Cid", "Ann", 2)).Ok());
        c.damage(File());
        const bool folder = fs::is_directory(File());
        const std::vector<uint8_t> damaged = folder ? std::vector<uint8_t>{} : Bytes(File());

        StatsDatabase db;
        const StatsStatus opened = db.Open();
        EXPECT_FALSE(opened.Ok());
        EXPECT_NE(opened.notice.find("Stats.dat.damaged-"), std::string::npos) << opened.notice;
        EXPECT_NE(opened.notice.find(c.reason), std::string::npos) << opened.notice;
        const std::vector<fs::path> kept = Kept();
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_NE(opened.notice.find(kept[0].filename().string()), std::string::npos);
        if (folder)
            EXPECT_TRUE(fs::is_directory(kept[0] / "inside"));
        else
            EXPECT_EQ(Bytes(kept[0]), damaged);

        // The new file holds what was read, and later games join it.
        StatsDatabase reread;
        ASSERT_TRUE(reread.Load().Ok());
        int32_t records = 0;
        for (int32_t i = 0; i < reread.Count(); ++i)
            records += static_cast<int32_t>(reread.Entry(i).records.size());
        EXPECT_EQ(reread.Count(), c.players);
        EXPECT_EQ(records, c.records);
        ASSERT_TRUE(db.FileGame(Game("Dan", "Ann", 3)).Ok());
        EXPECT_EQ(OnDisk("Dan"), 1u);
        EXPECT_EQ(Kept().size(), 1u);
        const StatsStatus again = StatsDatabase().Open();
        EXPECT_TRUE(again.Ok() && again.notice.empty()) << again.notice;
    }
}

TEST_F(SharedStats, FailedWritesSayWhyAndTheGameWaitsForTheNextWrite) {
    ASSERT_TRUE(StatsDatabase().FileGame(Game("Ann", "Bob", 1)).Ok());
    const fs::path data = folder_ / "Data";
    const std::vector<uint8_t> old = Bytes(File());

    // A file where the Data folder belongs.
    fs::rename(data, folder_ / "Data.moved");
    std::ofstream(data) << "not a folder";
    StatsDatabase db;
    StatsStatus filed = db.FileGame(Game("Cid", "Ann", 2));
    EXPECT_EQ(filed.error, StatsError::CannotWrite);
    EXPECT_NE(filed.message.find(std::strerror(ENOTDIR)), std::string::npos) << filed.message;
    EXPECT_EQ(db.PendingGames(), 1u);
    EXPECT_NE(db.Find("Cid"), nullptr);
    fs::remove(data);
    fs::rename(folder_ / "Data.moved", data);

    // The disk filling up: a file size limit stops the write part way.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    void (*oldHandler)(int) = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    filed = db.FileGame(Game("Dan", "Ann", 3));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(filed.message.find(std::strerror(EFBIG)), std::string::npos) << filed.message;
    EXPECT_EQ(Bytes(File()), old);
    EXPECT_EQ(db.PendingGames(), 2u);

    // Once the disk has room, the games that waited are written with the next write.
    ASSERT_TRUE(db.SavePending().Ok());
    EXPECT_EQ(db.PendingGames(), 0u);
    EXPECT_EQ(OnDisk("Ann"), 3u);
}

}  // namespace
}  // namespace halmora
