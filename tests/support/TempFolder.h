// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. The process id keeps parallel test runs apart.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/AppFolder.h"

namespace halmora::testing {

class TempFolder {
public:
    explicit TempFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                (name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A temporary application folder, with its Data folder, for one test; the old folder comes back
// afterwards.
class AppFolderScope {
public:
    explicit AppFolderScope(const std::string& name)
        : folder_(name), previous_(ApplicationFolder()) {
        SetApplicationFolder(folder_.Path());
        std::filesystem::create_directories(folder_.Path() / "Data");
    }
    ~AppFolderScope() { SetApplicationFolder(previous_); }
    AppFolderScope(const AppFolderScope&) = delete;
    AppFolderScope& operator=(const AppFolderScope&) = delete;

    const std::filesystem::path& Path() const { return folder_.Path(); }

private:
    TempFolder folder_;
    std::filesystem::path previous_;
};

}  // namespace halmora::testing
