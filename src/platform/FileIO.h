// Whole-file reading with a size limit and whole-file writing that never leaves a half-written
// target behind. Neither throws; both say what went wrong in an English message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace halmora {

enum class FileError {
    None,
    CannotOpen,  // missing, not a regular file, no permission
    CannotRead,
    TooLarge,
    CannotWrite,
};

// The same failure in the error type of one kind of file, whose first values are named as these.
template <typename Error>
Error ErrorOf(FileError e) {
    switch (e) {
        case FileError::None:
            return Error::None;
        case FileError::CannotOpen:
            return Error::CannotOpen;
        case FileError::CannotRead:
            return Error::CannotRead;
        case FileError::TooLarge:
            return Error::TooLarge;
        case FileError::CannotWrite:
            return Error::CannotWrite;
    }
    return Error::CannotRead;
}

// "player 3" for kind "player" and index 2: how messages about a file name its parts.
inline std::string Numbered(const std::string& kind, std::size_t index) {
    return kind + " " + std::to_string(index + 1);
}

struct FileStatus {
    FileError error = FileError::None;
    std::string message;  // empty when error is None

    bool Ok() const { return error == FileError::None; }
};

struct FileReadResult {
    FileStatus status;
    std::vector<uint8_t> bytes;  // empty unless status is Ok
};

// Reads the whole regular file at path. A file of more than maxBytes is refused with TooLarge;
// at most maxBytes + 1 bytes are ever held, whatever size the file claims.
FileReadResult ReadFileLimited(const std::filesystem::path& path, std::size_t maxBytes);

// Writes bytes to a new file beside path and renames it over path, so that path holds either its
// old contents or all of the new ones. An existing target keeps its permission bits. When path is
// a symbolic link, the file it leads to is replaced and the link stays (a synced or shared file
// keeps being updated); a target that is not a regular file (a folder, a device) is refused.
FileStatus WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// The file that path names once symbolic links in its last part are followed, relative links
// taken from the link's folder; path itself when it is no link. A loop of links is an error.
std::filesystem::path LinkTarget(const std::filesystem::path& path, int& err);

// Creates the folder that holds path when it is missing (one level: the game folder itself must
// exist). Fails with the system's reason, e.g. when a file stands where the folder belongs.
FileStatus CreateFolderOf(const std::filesystem::path& path);

// Renames the file that path leads to (see LinkTarget) to "NAME.damaged-YYYYMMDD-HHMM" beside
// it, local time, adding "-2", "-3", ... rather than replacing an earlier one. keptAs receives
// the new name. Used for a file that could not be read, so that nothing writes over it.
FileStatus KeepAside(const std::filesystem::path& path, std::filesystem::path& keptAs);

}  // namespace halmora
