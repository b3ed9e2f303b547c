// The application folder: the working folder at start-up, where the Graphics, Sounds, Wallpapers
// and Data folders are found. One value for the whole process; tests point it at a temporary
// folder.
#pragma once

#include <filesystem>

namespace halmora {

const std::filesystem::path& ApplicationFolder();
void SetApplicationFolder(const std::filesystem::path& folder);

// A file below the application folder, e.g. AppFile("Data/Settings.dat").
std::filesystem::path AppFile(const std::filesystem::path& relative);

}  // namespace halmora
