#include "platform/FileIO.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <new>
#include <string_view>
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

// The process id in a temporary's name ".NAME.PID.COUNTER.tmp" of the target NAME, or 0 when the
// name is not one of ours.
pid_t TemporaryOwner(std::string_view name, std::string_view target) {
    constexpr std::string_view kSuffix = ".tmp";
    if (name.size() < target.size() + 2 + kSuffix.size() || name[0] != '.' ||
        name.substr(1, target.size()) != target || name[1 + target.size()] != '.' ||
        !name.ends_with(kSuffix))
        return 0;
    const std::string_view middle =
        name.substr(target.size() + 2, name.size() - target.size() - 2 - kSuffix.size());
    const std::size_t dot = middle.find('.');
    if (dot == std::string_view::npos || dot + 1 == middle.size())
        return 0;
    for (std::size_t i = 0; i < middle.size(); ++i)
        if (i != dot && (middle[i] < '0' || middle[i] > '9'))
            return 0;
    pid_t pid = 0;
    const auto [end, ec] = std::from_chars(middle.data(), middle.data() + dot, pid);
    return ec == std::errc() && end == middle.data() + dot && pid > 0 ? pid : 0;
}

// A writer killed part way leaves its temporary behind for good. Each write clears those of its
// target whose process is gone, so crashes cannot pile files up in the folder; a temporary of a
// live process (another instance saving right now) is left alone.
void RemoveDeadTemporaries(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    const std::string targetName = target.filename().string();
    std::vector<std::filesystem::path> dead;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const pid_t owner = TemporaryOwner(it->path().filename().string(), targetName);
        if (owner != 0 && owner != ::getpid() && ::kill(owner, 0) != 0 && errno == ESRCH)
            dead.push_back(it->path());
    }
    for (const std::filesystem::path& p : dead)
        ::unlink(p.c_str());
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

std::filesystem::path LinkTarget(const std::filesystem::path& path, int& err) {
    // The kernel's own limit on links followed in one lookup.
    constexpr int kMaxLinks = 40;
    err = 0;
    std::filesystem::path at = path;
    for (int i = 0; i <= kMaxLinks; ++i) {
        struct stat info {};
        if (::lstat(at.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return at;  // a missing file is written where the link points
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(at, ec);
        if (ec) {
            err = ec.value();
            return at;
        }
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    err = ELOOP;
    return at;
}

FileStatus CreateFolderOf(const std::filesystem::path& path) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty())
        return {};
    if (::mkdir(folder.c_str(), 0777) == 0)
        return {};
    int err = errno;
    if (err == EEXIST) {
        struct stat info {};
        if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            return {};
        err = ENOTDIR;  // "File exists" would hide that a file stands where the folder belongs
    }
    return Fail(FileError::CannotWrite, "cannot create the folder", folder, err);
}

FileStatus KeepAside(const std::filesystem::path& path, std::filesystem::path& keptAs) {
    try {
        int err = 0;
        const std::filesystem::path target = LinkTarget(path, err);
        if (err != 0)
            return Fail(FileError::CannotWrite, "cannot follow the link", path, err);
        char stamp[32] = "";
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        if (::localtime_r(&now, &local) != nullptr)
            std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M", &local);
        const std::string base = target.filename().string() + ".damaged-" + stamp;
        for (int n = 1; n < 100; ++n) {
            std::filesystem::path candidate = target;
            candidate.replace_filename(n == 1 ? base : base + "-" + std::to_string(n));
            struct stat info {};
            if (::lstat(candidate.c_str(), &info) == 0)
                continue;  // an earlier damaged file is never replaced
            if (::rename(target.c_str(), candidate.c_str()) != 0)
                return Fail(FileError::CannotWrite, "cannot rename", target, errno);
            keptAs = std::move(candidate);
            return {};
        }
        return Fail(FileError::CannotWrite, "cannot find a free name beside", target, EEXIST);
    } catch (const std::bad_alloc&) {
        return {FileError::CannotWrite, "out of memory renaming " + path.string()};
    }
}

FileStatus WriteFileAtomically(const std::filesystem::path& linkOrPath,
                               std::span<const uint8_t> bytes) {
    try {
        int err = 0;
        const std::filesystem::path path = LinkTarget(linkOrPath, err);
        if (err != 0)
            return Fail(FileError::CannotWrite, "cannot follow the link", linkOrPath, err);
        struct stat old {};
        const bool exists = ::stat(path.c_str(), &old) == 0;
        // Renaming over a device or a fifo would remove it, and over a folder cannot work.
        if (exists && !S_ISREG(old.st_mode))
            return Fail(FileError::CannotWrite, "not a regular file:", path, 0);
        RemoveDeadTemporaries(path);
        std::filesystem::path temp;
        FdGuard fd(CreateTemporaryBeside(path, temp, err));
        if (fd.Get() < 0)
            return Fail(FileError::CannotWrite, "cannot create a file beside", path, err);
        if (exists)
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
        return {FileError::CannotWrite, "out of memory writing " + linkOrPath.string()};
    }
}

}  // namespace halmora
