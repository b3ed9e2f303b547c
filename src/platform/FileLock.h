// An exclusive advisory lock (flock) that processes sharing a data file take around each
// read-change-write of it, so that two windows on one game folder never write over each other's
// changes. The lock lives on ".NAME.lock" beside the file (beside a link's target for a link),
// which is created when missing and never removed: removing it would let a waiting process lock
// a file that a newcomer no longer sees.
//
//   FileStatus status;
//   FileLock lock = FileLock::Acquire(path, status);
//   if (!status.Ok()) ...;   // status.message says why
//   ... read, change and write path ...
//   // released when `lock` goes
#pragma once

#include <cstdint>
#include <filesystem>

#include "platform/FileIO.h"

namespace halmora {

class FileLock {
public:
    // Long enough for any other window's read and write; short enough that a stopped process
    // holding the lock cannot freeze the game.
    static constexpr uint32_t kDefaultWaitMs = 5000;

    // Waits up to waitMs for the lock of path's file; the folder must exist. On failure the
    // returned lock is not held and status says why.
    static FileLock Acquire(const std::filesystem::path& path, FileStatus& status,
                            uint32_t waitMs = kDefaultWaitMs);

    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    bool Held() const { return fd_ >= 0; }

private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace halmora
