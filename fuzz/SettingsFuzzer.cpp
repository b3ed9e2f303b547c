// Feeds arbitrary bytes to the settings reader. Whatever the bytes, the values it gives must be
// ones the game can use, and what it gives must survive a save and a load unchanged.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "records/Settings.h"

namespace {

using halmora::CSettings;

void Check(bool ok) {
    if (!ok)
        __builtin_trap();
}

bool Terminated(std::span<const uint8_t> text) {
    const auto zero = std::find(text.begin(), text.end(), uint8_t{0});
    return zero != text.end() && std::all_of(zero, text.end(), [](uint8_t b) { return b == 0; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    CSettings s;
    s.FromBytes(std::span(data, size));

    for (int32_t type : s.PlayerType)
        Check(type >= 0 && type <= 7);
    Check(s.MouseMode == 0 || s.MouseMode == 1);
    Check(s.AnimationSpeed >= halmora::kMinAnimationSpeed &&
          s.AnimationSpeed <= halmora::kMaxAnimationSpeed);
    Check(s.WallpaperMode >= 0 && s.WallpaperMode <= 2);
    for (int32_t part : {s.WallpaperRed, s.WallpaperGreen, s.WallpaperBlue})
        Check(part >= 0 && part <= 255);
    for (const auto& name : s.PlayerName)
        Check(Terminated(name));
    Check(Terminated(s.WallpaperFile));
    Check(Terminated(s.StatsPlayer));
    Check(s.GameInitialSeconds() >= 0 && s.GameSecondsPerMove() >= 0);
    if (s.UseTimer != 1)
        Check(s.GameInitialSeconds() == 0 && s.GameSecondsPerMove() == 0);
    const float speed = s.MarbleSpeed();
    Check(speed >= 0.02f && speed <= 0.2001f);

    // A loaded record saves to a whole file that loads back as the same record.
    const std::vector<uint8_t> bytes = s.ToBytes();
    Check(bytes.size() == halmora::kSettingsFileBytes);
    CSettings again;
    again.FromBytes(bytes);
    Check(again == s);
    Check(again.ToBytes() == bytes);
    return 0;
}
