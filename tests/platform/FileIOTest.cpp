#include "platform/FileIO.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <string>

namespace halmora {
namespace {

namespace fs = std::filesystem;

class FileIO : public ::testing::Test {
protected:
    // A test that stopped half-way may have left the folder read-only.
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    }

    static std::vector<uint8_t> Bytes(std::size_t n, uint8_t fill) {
        return std::vector<uint8_t>(n, fill);
    }
    static std::vector<uint8_t> Read(const fs::path& p) {
        return ReadFileLimited(p, 1 << 20).bytes;
    }
    // Nothing but the named files: no temporary left behind.
    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    testing::TempFolder folder_{"halmora-fileio"};
    const fs::path& dir_ = folder_.Path();
};

TEST_F(FileIO, ReadsUpToTheLimitAndRefusesMore) {
    const fs::path file = dir_ / "data";
    ASSERT_TRUE(WriteFileAtomically(file, Bytes(1000, 5)).Ok());
    EXPECT_EQ(ReadFileLimited(file, 1000).bytes, Bytes(1000, 5));
    const FileReadResult over = ReadFileLimited(file, 999);
    EXPECT_EQ(over.status.error, FileError::TooLarge);
    EXPECT_TRUE(over.bytes.empty());

    ASSERT_TRUE(WriteFileAtomically(file, {}).Ok());
    const FileReadResult empty = ReadFileLimited(file, 0);
    EXPECT_TRUE(empty.status.Ok());
    EXPECT_TRUE(empty.bytes.empty());
}

TEST_F(FileIO, ReportsWhatCannotBeOpened) {
    const FileReadResult missing = ReadFileLimited(dir_ / "missing", 10);
    EXPECT_EQ(missing.status.error, FileError::CannotOpen);
    EXPECT_NE(missing.status.message.find("missing"), std::string::npos);
    EXPECT_EQ(ReadFileLimited(dir_, 10).status.error, FileError::CannotOpen);
    // A device without end is never read into memory.
    EXPECT_EQ(ReadFileLimited("/dev/zero", 10).status.error, FileError::CannotOpen);
}

TEST_F(FileIO, ReplacesTheTargetWholeAndKeepsItsPermissions) {
    const fs::path file = dir_ / "game.hlm";
    ASSERT_TRUE(WriteFileAtomically(file, Bytes(10, 1)).Ok());
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteFileAtomically(file, Bytes(3, 2)).Ok());
    EXPECT_EQ(Read(file), Bytes(3, 2));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(FileIO, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    const fs::path file = dir_ / "game.hlm";
    ASSERT_TRUE(WriteFileAtomically(file, Bytes(10, 1)).Ok());

    EXPECT_EQ(WriteFileAtomically(dir_ / "no-folder" / "game.hlm", Bytes(3, 2)).error,
              FileError::CannotWrite);

    // A folder in the target's place cannot be replaced by a file.
    fs::create_directory(dir_ / "folder");
    EXPECT_EQ(WriteFileAtomically(dir_ / "folder", Bytes(3, 2)).error, FileError::CannotWrite);
    EXPECT_TRUE(fs::is_directory(dir_ / "folder"));

    // The disk filling up half-way: a file size limit makes write() fail part way through.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 4;
    void (*oldHandler)(int) = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileStatus full = WriteFileAtomically(file, Bytes(100, 2));
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(full.error, FileError::CannotWrite);
    EXPECT_FALSE(full.message.empty());

    EXPECT_EQ(Read(file), Bytes(10, 1));
    EXPECT_EQ(Entries(), 2u);  // the file and the folder

    if (::geteuid() != 0) {  // root writes into read-only folders anyway
        fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(WriteFileAtomically(file, Bytes(3, 2)).error, FileError::CannotWrite);
        fs::permissions(dir_, fs::perms::owner_all);
        EXPECT_EQ(Read(file), Bytes(10, 1));
    }
}

}  // namespace
}  // namespace halmora
