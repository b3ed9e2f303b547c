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
// old contents or all of the new ones. An existing target keeps its permission bits.
FileStatus WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace halmora
