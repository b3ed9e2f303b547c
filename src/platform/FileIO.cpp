#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <new>
#include <system_error>
#include <utility>

namespace halmora {
namespace {

std::string ErrnoText(int err) {
    return std::generic_category().message(err);
}

FileStatus Fail(FileError error, const std::string& what, const std::filesystem::path& path,
                int err) {
    std::string message = what + " " + path.string();
    if (err != 0)
        message += ": " + ErrnoText(err);
    return {error, std::move(message)};
}

// Closes the descriptor when it goes out of scope unless it was released.
class FdGuard {
public:
    explicit FdGuard(int fd) : fd_(fd) {}
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    ~FdGuard() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool WriteAll(int fd, std::span<const uint8_t> bytes, int& err) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Opens a fresh file beside the target. O_EXCL with a per-process counter keeps two writers
// (or a stale leftover) from sharing a temporary.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& tempOut,
                          int& err) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path temp = target;
        temp.replace_filename("." + target.filename().string() + "." + std::to_string(::getpid()) +
                              "." + std::to_string(counter++) + ".tmp");
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            tempOut = std::move(temp);
            return fd;
        }
        if (errno != EEXIST) {
            err = errno;
            return -1;
        }
    }
    err = EEXIST;
    return -1;
}

void SyncFolderOf(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;  // the rename has happened; syncing is only extra safety
    ::fsync(fd);
    ::close(fd);
}

FileReadResult ReadOpenFile(int fd, const std::filesystem::path& path, std::size_t maxBytes) {
    FileReadResult result;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.status = Fail(FileError::CannotRead, "cannot read", path, errno);
        return result;
    }
    // A fifo or a device could deliver without end; only regular files are read.
    if (!S_ISREG(info.st_mode)) {
        result.status = Fail(FileError::CannotOpen, "not a regular file:", path, 0);
        return result;
    }
    if (static_cast<uintmax_t>(info.st_size) > maxBytes) {
        result.status = Fail(FileError::TooLarge, "file is too large:", path, 0);
        return result;
    }
    // The size from fstat is only a hint: the file may grow while it is read, so the loop
    // stops on its own one byte past the limit.
    const std::size_t limit = maxBytes == SIZE_MAX ? maxBytes : maxBytes + 1;
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    while (bytes.size() < limit) {
        std::size_t want = limit - bytes.size();
        if (want > sizeof chunk)
            want = sizeof chunk;
        const ssize_t n = ::read(fd, chunk, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.status = Fail(FileError::CannotRead, "cannot read", path, errno);
            return result;
        }
        if (n == 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    if (bytes.size() > maxBytes) {
        result.status = Fail(FileError::TooLarge, "file is too large:", path, 0);
        return result;
    }
    result.bytes = std::move(bytes);
    return result;
}

}  // namespace

FileReadResult ReadFileLimited(const std::filesystem::path& path, std::size_t maxBytes) {
    try {
        // O_NONBLOCK keeps opening a fifo from waiting for a writer; it is refused below.
        FdGuard fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
        if (fd.Get() < 0)
            return {Fail(FileError::CannotOpen, "cannot open", path, errno), {}};
        return ReadOpenFile(fd.Get(), path, maxBytes);
    } catch (const std::bad_alloc&) {
        return {Fail(FileError::CannotRead, "out of memory reading", path, 0), {}};
    }
}

FileStatus WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    try {
        int err = 0;
        std::filesystem::path temp;
        FdGuard fd(CreateTemporaryBeside(path, temp, err));
        if (fd.Get() < 0)
            return Fail(FileError::CannotWrite, "cannot create a file beside", path, err);

        struct stat old {};
        if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
            ::fchmod(fd.Get(), old.st_mode & 07777);

        bool written = WriteAll(fd.Get(), bytes, err);
        if (written && ::fsync(fd.Get()) != 0) {
            err = errno;
            written = false;
        }
        if (::close(fd.Release()) != 0 && written) {
            err = errno;
            written = false;
        }
        if (!written) {
            ::unlink(temp.c_str());
            return Fail(FileError::CannotWrite, "cannot write", path, err);
        }
        if (::rename(temp.c_str(), path.c_str()) != 0) {
            err = errno;
            ::unlink(temp.c_str());
            return Fail(FileError::CannotWrite, "cannot replace", path, err);
        }
        SyncFolderOf(path);
        return {};
    } catch (const std::bad_alloc&) {
        return {FileError::CannotWrite, "out of memory writing " + path.string()};
    }
}

}  // namespace halmora
