// The user's choices that survive between runs, in the fixed 4430-byte file Data/Settings.dat:
// the last game set-up, the clock settings, the mouse, animation, sound and wallpaper options,
// the player last shown in the statistics window, and whether the last move stays marked.
//
// There is no shared instance. Whoever needs a setting keeps its own copy and reloads it; an
// editor loads, changes its own fields and saves the whole record, so it never writes back
// another editor's fields stale:
//
//   CSettings settings;
//   settings.Load();
//   settings.MuteSounds = 1;
//   settings.Save();
//
// Fields are public and named as in the file. Texts are zero-terminated byte buffers in the
// files' code page (GBK), converted only where they are shown or typed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "board/Place.h"
#include "platform/TextEncoding.h"

namespace halmora {

inline constexpr std::size_t kSettingsFileBytes = 4430;
inline constexpr std::size_t kWallpaperFileBytes = 4096;
inline constexpr std::size_t kSettingsReservedBytes = 14;

// Speeds of the animation slider; the default 1 lies below them and is kept as it is.
inline constexpr int32_t kMinAnimationSpeed = 1;
inline constexpr int32_t kMaxAnimationSpeed = 200;
inline constexpr int32_t kSlowestShownSpeed = 20;

class CSettings {
public:
    // Reads Data/Settings.dat below the application folder. Each field takes its default and then
    // whatever the file holds for it, so a missing file leaves the defaults and a short one
    // leaves them beyond its end. Texts come out zero-terminated and values the game cannot use
    // are mended (see Settings.cpp). Nothing is reported.
    void Load();

    // Replaces Data/Settings.dat whole, creating Data/ if needed; through a link, the link's
    // target. A file that is there but cannot be read is never replaced: it may hold the user's
    // choices, which defaults would wipe out. On false the old file is as it was and the reason
    // waits in TakeSaveFailure.
    bool Save() const;

    // The reason the saves have been failing, once: after it has been taken, further failures
    // are not reported again until a save has succeeded. Nothing when saves succeed. The window
    // shows it, so that many editors saving do not each raise a message.
    static std::optional<std::string> TakeSaveFailure();

    // Start-up: a Data/Settings.dat that exists but cannot be read is renamed aside (KeepAside),
    // so that saving the defaults cannot overwrite it. Returns what to tell the player (which
    // file was kept, as what, and why), or nothing when the file was read or is missing.
    static std::optional<std::string> KeepUnreadableFileAside();

    // The same as Load and Save, on bytes in the file's layout.
    void FromBytes(std::span<const uint8_t> bytes);
    std::vector<uint8_t> ToBytes() const;

    // The clock times a new game gets, in seconds: 0 and 0 unless UseTimer is 1, otherwise
    // minutes x 60 + seconds (each field may be any int, even negative), kept within
    // 0..INT32_MAX.
    int32_t GameInitialSeconds() const;
    int32_t GameSecondsPerMove() const;

    // How fast marbles glide, in pixels per millisecond. A speed below the slider's slowest
    // position (the default 1 included) glides at that slowest position: at 1 a single step
    // would take half a minute.
    float MarbleSpeed() const;

    // Whether the board marks the last move's path and shows whose turn it is. Only 1 at offset 0
    // turns that off: older files hold 0 there, and any other value is carried through as read.
    bool MarksLastMove() const { return HideLastMove != 1; }

    friend bool operator==(const CSettings&, const CSettings&) = default;

    // clang-format off
    int32_t                          HideLastMove     = 0;    // see MarksLastMove
    std::array<int32_t, kColorCount> PlayerType       {};     // by PlayerColor, 0..7
    std::array<GbkName, kColorCount> PlayerName       {};     // by PlayerColor
    int32_t                          UseTimer         = 0;
    int32_t                          InitialMinutes   = 0;    // the clock fields hold any int
    int32_t                          InitialSeconds   = 0;
    int32_t                          MoveMinutes      = 0;
    int32_t                          MoveSeconds      = 0;
    int32_t                          MouseMode        = 0;    // 0 drag and drop, 1 clicks
    int32_t                          ShowMovesOnHover = 0;
    int32_t                          Reserved248      = 1;    // carried through unchanged
    int32_t                          FullAnimation    = 1;
    int32_t                          AnimationSpeed   = 1;    // 1..200, x 0.001 px per ms
    int32_t                          MuteSounds       = 0;
    int32_t                          WallpaperMode    = 0;    // 0 colour, 1 folder, 2 file
    int32_t                          WallpaperRed     = 16;
    int32_t                          WallpaperGreen   = 11;
    int32_t                          WallpaperBlue    = 218;
    std::array<uint8_t, kWallpaperFileBytes> WallpaperFile {};
    int32_t                          StretchWallpaper = 0;
    GbkName                          StatsPlayer      {};
    std::array<uint8_t, kSettingsReservedBytes> Reserved4412 {};  // carried through unchanged
    int32_t                          ShowGameInfo     = 1;
    // clang-format on
};

}  // namespace halmora
