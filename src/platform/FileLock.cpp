#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>
#include <utility>

namespace halmora {
namespace {

FileStatus LockFailure(const std::filesystem::path& path, const std::string& why) {
    return {FileError::CannotWrite, "cannot lock " + path.string() + ": " + why};
}

}  // namespace

FileLock FileLock::Acquire(const std::filesystem::path& path, FileStatus& status, uint32_t waitMs) {
    status = {};
    int err = 0;
    std::filesystem::path lockPath = LinkTarget(path, err);
    if (err != 0) {
        status = LockFailure(path, std::generic_category().message(err));
        return {};
    }
    lockPath.replace_filename("." + lockPath.filename().string() + ".lock");
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        status = LockFailure(path, std::generic_category().message(errno));
        return {};
    }
    FileLock lock(fd);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return lock;
        const int e = errno;
        if (e == EINTR)
            continue;
        // A file system without locks: the write is still atomic, only the merge is not guarded.
        if (e == ENOLCK || e == EOPNOTSUPP)
            return lock;
        if (e != EWOULDBLOCK) {
            status = LockFailure(path, std::generic_category().message(e));
            return {};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            status = LockFailure(path, "another Halmora window keeps it locked");
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileLock::~FileLock() {
    // Closing the only descriptor of the open file releases its flock.
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace halmora
