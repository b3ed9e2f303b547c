#include "records/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/AppFolder.h"
#include "platform/FileIO.h"
#include "support/TempFolder.h"

namespace halmora {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNamesAt = 28, kWallpaperFileAt = 280, kStatsPlayerAt = 4380;

struct IntField {
    std::size_t at;
    int32_t CSettings::*field;
    int32_t value;  // not the default, and kept by Load
};
// clang-format off
constexpr IntField kIntFields[] = {
    {0,    &CSettings::HideLastMove,     -123456789}, {220,  &CSettings::UseTimer,       1},
    {224,  &CSettings::InitialMinutes,   1},          {228,  &CSettings::InitialSeconds, -5},
    {232,  &CSettings::MoveMinutes,      2},          {236,  &CSettings::MoveSeconds,    30},
    {240,  &CSettings::MouseMode,        1},          {244,  &CSettings::ShowMovesOnHover, 1},
    {248,  &CSettings::Reserved248,      0x7F00FF01}, {252,  &CSettings::FullAnimation,  0},
    {256,  &CSettings::AnimationSpeed,   140},        {260,  &CSettings::MuteSounds,     1},
    {264,  &CSettings::WallpaperMode,    2},          {268,  &CSettings::WallpaperRed,   255},
    {272,  &CSettings::WallpaperGreen,   0},          {276,  &CSettings::WallpaperBlue,  7},
    {4376, &CSettings::StretchWallpaper, 1},          {4426, &CSettings::ShowGameInfo,   0},
};
// clang-format on

void PutI32(std::vector<uint8_t>& bytes, std::size_t at, int32_t v) {
    for (int k = 0; k < 4; ++k)
        bytes.at(at + k) = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * k));
}
void PutText(std::vector<uint8_t>& bytes, std::size_t at, const std::string& text) {
    std::memcpy(bytes.data() + at, text.data(), text.size());
}
std::string Text(std::span<const uint8_t> field) {
    return std::string(field.begin(), std::find(field.begin(), field.end(), 0));
}

// A file with every field away from its default, reserved bytes included; "张三" in GBK.
std::vector<uint8_t> UnusualFile() {
    std::vector<uint8_t> bytes = CSettings{}.ToBytes();
    for (const IntField& f : kIntFields)
        PutI32(bytes, f.at, f.value);
    for (int c = 0; c < kColorCount; ++c)
        PutI32(bytes, 4 + 4 * c, (c + 3) % 8);
    PutText(bytes, kNamesAt + 32 * 5, "\xD5\xC5\xC8\xFD");
    PutText(bytes, kWallpaperFileAt, "Wallpapers\\Sea.bmp");
    PutText(bytes, kStatsPlayerAt, "Ann");
    for (std::size_t i = 4412; i < 4426; ++i)
        bytes[i] = static_cast<uint8_t>(i);
    return bytes;
}

class Settings : public ::testing::Test {
protected:
    fs::path File() const { return dir_ / "Data" / "Settings.dat"; }
    std::vector<uint8_t> FileBytes() const { return ReadFileLimited(File(), 1 << 20).bytes; }
    // Loads bytes as a file, into settings that hold other values first.
    CSettings LoadFile(const std::vector<uint8_t>& bytes) {
        fs::create_directories(dir_ / "Data");
        EXPECT_TRUE(WriteFileAtomically(File(), bytes).Ok());
        CSettings s;
        s.FromBytes(UnusualFile());
        s.Load();
        return s;
    }

    testing::AppFolderScope folder_{"halmora-settings"};
    const fs::path& dir_ = folder_.Path();
};

TEST_F(Settings, DefaultsWithoutAFileAndEveryFieldAtItsOffset) {
    CSettings s;
    s.FromBytes(UnusualFile());
    s.Load();
    EXPECT_EQ(s, CSettings{});
    EXPECT_EQ(
        std::vector<int32_t>({s.FullAnimation, s.AnimationSpeed, s.Reserved248, s.ShowGameInfo,
                              s.WallpaperRed, s.WallpaperGreen, s.WallpaperBlue}),
        std::vector<int32_t>({1, 1, 1, 1, 16, 11, 218}));

    const std::vector<uint8_t> file = UnusualFile();
    s = LoadFile(file);
    for (const IntField& f : kIntFields)
        EXPECT_EQ(s.*f.field, f.value) << "offset " << f.at;
    EXPECT_EQ(s.PlayerType, (std::array<int32_t, kColorCount>{3, 4, 5, 6, 7, 0}));
    EXPECT_EQ(Text(s.PlayerName[5]), "\xD5\xC5\xC8\xFD");
    EXPECT_EQ(Text(s.WallpaperFile), "Wallpapers\\Sea.bmp");
    EXPECT_EQ(Text(s.StatsPlayer), "Ann");
    EXPECT_EQ(s.Reserved4412[13], 4425 % 256);

    // Saved again, in a Data folder that must be made first: the same 4430 bytes.
    fs::remove_all(dir_ / "Data");
    ASSERT_TRUE(s.Save());
    EXPECT_EQ(FileBytes(), file);
    EXPECT_EQ(file.size(), kSettingsFileBytes);
}

TEST_F(Settings, AShortFileKeepsDefaultsBeyondItsEnd) {
    const std::vector<uint8_t> full = UnusualFile();
    CSettings expected;
    expected.FromBytes(full);
    const CSettings seats = LoadFile({full.begin(), full.begin() + 220});
    EXPECT_EQ(seats.PlayerType, expected.PlayerType);
    EXPECT_EQ(seats.PlayerName, expected.PlayerName);
    EXPECT_EQ(seats.UseTimer, 0);
    EXPECT_EQ(seats.ShowGameInfo, 1);

    // A field cut in the middle: the byte read, then the default's.
    const CSettings cut = LoadFile({full.begin(), full.begin() + 257});
    EXPECT_EQ(cut.AnimationSpeed, 140);
    EXPECT_EQ(cut.MuteSounds, 0);
    EXPECT_EQ(LoadFile({}), CSettings{});
}

TEST_F(Settings, TextsEndInAZeroAndNeverInHalfACharacter) {
    std::vector<uint8_t> bytes = CSettings{}.ToBytes();
    PutText(bytes, kNamesAt, std::string(32, 'A'));
    PutText(bytes, kNamesAt + 32, std::string(30, 'B') + "\xB0\xA1");  // GBK 啊 on the last byte
    PutText(bytes, kNamesAt + 64, std::string("Cy\0junk", 7));
    std::fill(bytes.begin() + kWallpaperFileAt, bytes.begin() + kWallpaperFileAt + 4096, 'w');
    std::fill(bytes.begin() + kStatsPlayerAt, bytes.begin() + kStatsPlayerAt + 32, 0xB0);

    const CSettings s = LoadFile(bytes);
    EXPECT_EQ(Text(s.PlayerName[0]), std::string(31, 'A'));
    EXPECT_EQ(Text(s.PlayerName[1]), std::string(30, 'B'));
    EXPECT_EQ(s.PlayerName[2][4], 0);  // what followed the zero is gone
    EXPECT_EQ(Text(s.WallpaperFile), std::string(4095, 'w'));
    EXPECT_EQ(Text(s.StatsPlayer), std::string(30, '\xB0'));

    // Saving never writes an unterminated text or old bytes behind the zero.
    CSettings edited;
    edited.PlayerName[0].fill('Z');
    std::memcpy(edited.StatsPlayer.data(), "Di\0old", 6);
    const std::vector<uint8_t> out = edited.ToBytes();
    EXPECT_EQ(Text({out.data() + kNamesAt, 32}), std::string(31, 'Z'));
    EXPECT_EQ(out[kStatsPlayerAt + 3], 0);
}

TEST_F(Settings, ValuesThatWouldBreakTheGameAreMended) {
    std::vector<uint8_t> bytes = CSettings{}.ToBytes();
    const int32_t types[] = {-1, 8, 7, 6, 0x7FFFFFFF, 1};
    for (int c = 0; c < kColorCount; ++c)
        PutI32(bytes, 4 + 4 * c, types[c]);
    PutI32(bytes, 240, 2);    // mouse mode
    PutI32(bytes, 264, -1);   // wallpaper mode
    PutI32(bytes, 268, 256);  // red
    PutI32(bytes, 276, -1);   // blue
    // Switches and clock fields are only tested or shown as typed: kept.
    PutI32(bytes, 220, 2);
    PutI32(bytes, 224, -7);
    PutI32(bytes, 4426, 9);

    const CSettings s = LoadFile(bytes);
    EXPECT_EQ(s.PlayerType, (std::array<int32_t, kColorCount>{0, 0, 7, 6, 0, 1}));
    EXPECT_EQ(std::vector<int32_t>({s.MouseMode, s.WallpaperMode, s.WallpaperRed, s.WallpaperBlue}),
              std::vector<int32_t>({0, 0, 16, 218}));
    EXPECT_EQ(std::vector<int32_t>({s.UseTimer, s.InitialMinutes, s.ShowGameInfo}),
              std::vector<int32_t>({2, -7, 9}));

    const std::pair<int32_t, int32_t> speeds[] = {{0, 1},     {-5, 1},    {19, 19},
                                                  {200, 200}, {201, 200}, {1 << 30, 200}};
    for (auto [stored, read] : speeds) {
        PutI32(bytes, 256, stored);
        EXPECT_EQ(LoadFile(bytes).AnimationSpeed, read) << stored;
    }
}

TEST(SettingsClock, TimesAreCombinedWithoutOverflow) {
    CSettings s;
    s.InitialMinutes = 1;
    s.InitialSeconds = -5;  // the timer page stores what is typed
    s.MoveSeconds = 10;
    EXPECT_EQ(s.GameInitialSeconds() + s.GameSecondsPerMove(), 0);  // timer off
    s.UseTimer = 1;
    EXPECT_EQ(s.GameInitialSeconds(), 55);
    EXPECT_EQ(s.GameSecondsPerMove(), 10);
    s.InitialMinutes = -1;
    s.MoveMinutes = s.MoveSeconds = 0x7FFFFFFF;
    EXPECT_EQ(s.GameInitialSeconds(), 0);
    EXPECT_EQ(s.GameSecondsPerMove(), 0x7FFFFFFF);
    s.MoveMinutes = s.MoveSeconds = -0x7FFFFFFF - 1;
    EXPECT_EQ(s.GameSecondsPerMove(), 0);
}

TEST(SettingsSpeed, MarblesNeverGlideSlowerThanTheSlidersSlowestPosition) {
    CSettings s;  // first the default 1, as the slider shows it
    for (const auto& [stored, speed] : {std::pair(s.AnimationSpeed, 0.02f), std::pair(20, 0.02f),
                                        std::pair(137, 0.137f), std::pair(200, 0.2f)}) {
        s.AnimationSpeed = stored;
        EXPECT_FLOAT_EQ(s.MarbleSpeed(), speed) << stored;
    }
}

TEST_F(Settings, AFileThatCannotBeReadIsKeptAsideAndNeverOverwritten) {
    const struct {
        const char* what;
        std::function<void()> make;
        const char* reason;
    } cases[] = {
        {"far too large", [&] { LoadFile(std::vector<uint8_t>(2 << 20, 7)); }, "too large"},
        {"a folder", [&] { fs::create_directories(File() / "inside"); }, "not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir_ / "Data");
        ASSERT_TRUE(CSettings{}.Save());  // forgets failures earlier tests left untold
        fs::remove(File());
        c.make();
        const auto bytes = [&](const fs::path& p) { return ReadFileLimited(p, 4 << 20).bytes; };
        const std::vector<uint8_t> before = bytes(File());
        ASSERT_FALSE(CSettings{}.Save());
        EXPECT_EQ(bytes(File()), before);
        const std::optional<std::string> refused = CSettings::TakeSaveFailure();
        ASSERT_TRUE(refused.has_value());
        EXPECT_NE(refused->find("could not be read"), std::string::npos) << *refused;

        const std::optional<std::string> notice = CSettings::KeepUnreadableFileAside();
        ASSERT_TRUE(notice.has_value());
        EXPECT_NE(notice->find(c.reason), std::string::npos) << *notice;
        std::vector<fs::path> kept;
        for (const auto& e : fs::directory_iterator(dir_ / "Data"))
            kept.push_back(e.path());
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_TRUE(kept[0].filename().string().starts_with("Settings.dat.damaged-"));
        EXPECT_NE(notice->find(kept[0].filename().string()), std::string::npos);
        EXPECT_EQ(bytes(kept[0]), before);
        ASSERT_TRUE(CSettings{}.Save());
        EXPECT_EQ(FileBytes().size(), kSettingsFileBytes);
        EXPECT_FALSE(CSettings::KeepUnreadableFileAside().has_value());
    }
}

TEST_F(Settings, FailedSavesAreToldOnceWithTheirReasonAndLinksAreFollowed) {
    ASSERT_TRUE(CSettings{}.Save());  // whatever earlier tests left to tell is forgotten
    EXPECT_FALSE(CSettings::TakeSaveFailure().has_value());
    fs::remove_all(dir_ / "Data");
    std::ofstream(dir_ / "Data") << "a file where the folder belongs";
    EXPECT_FALSE(CSettings{}.Save());
    EXPECT_FALSE(CSettings{}.Save());
    const std::optional<std::string> told = CSettings::TakeSaveFailure();
    ASSERT_TRUE(told.has_value());
    EXPECT_NE(told->find(std::strerror(ENOTDIR)), std::string::npos) << *told;
    EXPECT_FALSE(CSettings{}.Save());
    EXPECT_FALSE(CSettings::TakeSaveFailure().has_value());  // once, until a save succeeds

    // A settings file linked in from elsewhere stays a link; its target is written.
    fs::remove(dir_ / "Data");
    fs::create_directories(dir_ / "Data");
    fs::create_directories(dir_ / "Elsewhere");
    fs::create_symlink(dir_ / "Elsewhere" / "Settings.dat", File());
    CSettings muted;
    muted.MuteSounds = 1;
    ASSERT_TRUE(muted.Save());
    EXPECT_TRUE(fs::is_symlink(File()));
    EXPECT_EQ(fs::file_size(dir_ / "Elsewhere" / "Settings.dat"), kSettingsFileBytes);
    CSettings read;
    read.Load();
    EXPECT_EQ(read.MuteSounds, 1);

    fs::remove(dir_ / "Elsewhere" / "Settings.dat");
    fs::create_directory(dir_ / "Elsewhere" / "Settings.dat");  // a folder behind the link
    EXPECT_FALSE(muted.Save());
    const std::optional<std::string> again = CSettings::TakeSaveFailure();
    ASSERT_TRUE(again.has_value());  // a success came in between
}

}  // namespace
}  // namespace halmora
