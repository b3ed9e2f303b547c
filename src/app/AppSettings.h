// The one settings record of the running program. The application reads it at start and hands it
// to the window and the dialogs; every change goes through Change, which writes the file whole at
// once, as after a confirmed dialog, a chosen name or the game information panel opened or closed.
// The game is told of changes by the window, as the options it needs (GameOptionsOf).
//
//   CAppSettings settings;
//   settings.Open();
//   settings.Change([](CSettings& s) { s.MuteSounds = 1; });
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "game/GameOptions.h"
#include "records/Settings.h"

namespace halmora {

class CAppSettings {
public:
    // Start-up: a settings file that cannot be read is kept aside first, so that no save can
    // overwrite it; then the record is read (the defaults when there is no file). Returns what to
    // tell the player about a file kept aside.
    std::optional<std::string> Open();

    const CSettings& Get() const { return settings_; }
    const CSettings* operator->() const { return &settings_; }

    // Changes the record and writes the file. False when the file could not be written: the
    // record keeps the change and the reason waits in CSettings::TakeSaveFailure.
    bool Change(const std::function<void(CSettings&)>& edit);
    // Writes the file as the record stands (a new game and the window's close do).
    bool Save() { return settings_.Save(); }

private:
    CSettings settings_;
};

// What the game and its players need of the settings.
GameOptions GameOptionsOf(const CSettings& settings);

// Whether keys reach the commands. Kept in the last of the reserved bytes (offset 4425), where
// every file so far holds 0: 0 means on, 1 off (no key does anything, as the game always was).
inline constexpr std::size_t kKeyboardOffByte = kSettingsReservedBytes - 1;
bool KeyboardShortcutsOn(const CSettings& settings);
void SetKeyboardShortcutsOn(CSettings& settings, bool on);

}  // namespace halmora
