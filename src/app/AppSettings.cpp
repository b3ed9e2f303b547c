#include "app/AppSettings.h"

#include <utility>

namespace halmora {

std::optional<std::string> CAppSettings::Open() {
    std::optional<std::string> kept = CSettings::KeepUnreadableFileAside();
    settings_.Load();
    return kept;
}

bool CAppSettings::Change(const std::function<void(CSettings&)>& edit) {
    edit(settings_);
    return settings_.Save();
}

GameOptions GameOptionsOf(const CSettings& settings) {
    GameOptions options;
    options.fullAnimation = settings.FullAnimation == 1;
    options.marbleSpeed = settings.MarbleSpeed();
    options.muteSounds = settings.MuteSounds != 0;
    options.showGameInfo = settings.ShowGameInfo != 0;
    options.mouseMode = settings.MouseMode;
    options.showMovesOnHover = settings.ShowMovesOnHover == 1;
    options.markLastMove = settings.MarksLastMove();
    return options;
}

bool KeyboardShortcutsOn(const CSettings& settings) {
    return settings.Reserved4412[kKeyboardOffByte] != 1;
}

void SetKeyboardShortcutsOn(CSettings& settings, bool on) {
    settings.Reserved4412[kKeyboardOffByte] = on ? 0 : 1;
}

}  // namespace halmora
