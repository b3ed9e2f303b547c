// The file dialog of Open Game and Save Game, for saved games (*.hlm) in the game folder. It goes
// through one settable function so that tests can answer it.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace halmora {

// The chosen path; nothing when cancelled.
using FileDialogFunction = std::function<std::optional<std::string>(QWidget* parent, bool save)>;
// Replaces the function; an empty one restores the dialog.
void SetFileDialogFunction(FileDialogFunction ask);
std::optional<std::string> AskSavedGamePath(QWidget* parent, bool save);

// Where the dialog starts: "Saved games" in the game folder, made when it is missing; the game
// folder itself when it cannot be made.
std::filesystem::path SavedGamesFolder();

}  // namespace halmora
