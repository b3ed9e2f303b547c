#include "platform/AppFolder.h"

#include <system_error>

namespace halmora {
namespace {

std::filesystem::path& Folder() {
    static std::filesystem::path folder = [] {
        std::error_code ec;
        std::filesystem::path cwd = std::filesystem::current_path(ec);
        return ec ? std::filesystem::path(".") : cwd;
    }();
    return folder;
}

}  // namespace

const std::filesystem::path& ApplicationFolder() {
    return Folder();
}

void SetApplicationFolder(const std::filesystem::path& folder) {
    Folder() = folder;
}

std::filesystem::path AppFile(const std::filesystem::path& relative) {
    return Folder() / relative;
}

}  // namespace halmora
