#include "records/Settings.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>
#include <type_traits>
#include <utility>

#include "platform/AppFolder.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "platform/FileIO.h"

namespace halmora {
namespace {

constexpr const char* kSettingsFile = "Data/Settings.dat";

// Only the first 4430 bytes mean anything; a file far larger than that is not ours and is
// treated as unreadable rather than read into memory.
constexpr std::size_t kReadLimit = std::size_t{1} << 20;

constexpr int32_t kMaxPlayerType = 7;
constexpr int32_t kMaxMouseMode = 1;
constexpr int32_t kMaxWallpaperMode = 2;

bool IsGbkLeadByte(uint8_t b) {
    return b >= 0x81 && b <= 0xFE;
}

// How many leading bytes of text fit in room bytes without splitting a two-byte character.
std::size_t WholeCharacters(std::span<const uint8_t> text, std::size_t room) {
    std::size_t n = 0;
    while (n < text.size()) {
        const std::size_t width = IsGbkLeadByte(text[n]) && n + 1 < text.size() ? 2 : 1;
        if (n + width > room)
            break;
        n += width;
    }
    return n;
}

// Leaves a zero-terminated text with zeros after it. A buffer without a zero is cut at the last
// character boundary that leaves room for one, so a name never ends in half a character.
void TerminateText(std::span<uint8_t> field) {
    if (field.empty())
        return;
    auto end = std::find(field.begin(), field.end(), uint8_t{0});
    if (end == field.end())
        end = field.begin() + static_cast<std::ptrdiff_t>(WholeCharacters(field, field.size() - 1));
    std::fill(end, field.end(), uint8_t{0});
}

// Values the rest of the program cannot live with go back to safe ones: a seat type indexes the
// seat-type table, a mouse mode outside 0..1 ignores every click, a speed of 0 or less never
// finishes a move and one far above the slider's 200 overflows the animation's pixel arithmetic,
// and the colour parts are bytes. Switches that are only tested against 1 or 0, and the clock
// fields (shown as typed, combined with care), stay as read.
void MendValues(CSettings& s) {
    const CSettings defaults;
    for (int32_t& type : s.PlayerType)
        if (type < 0 || type > kMaxPlayerType)
            type = 0;
    if (s.MouseMode < 0 || s.MouseMode > kMaxMouseMode)
        s.MouseMode = defaults.MouseMode;
    s.AnimationSpeed = std::clamp(s.AnimationSpeed, kMinAnimationSpeed, kMaxAnimationSpeed);
    if (s.WallpaperMode < 0 || s.WallpaperMode > kMaxWallpaperMode)
        s.WallpaperMode = defaults.WallpaperMode;
    for (auto [part, fallback] : {std::pair{&s.WallpaperRed, defaults.WallpaperRed},
                                  std::pair{&s.WallpaperGreen, defaults.WallpaperGreen},
                                  std::pair{&s.WallpaperBlue, defaults.WallpaperBlue}})
        if (*part < 0 || *part > 255)
            *part = fallback;
}

// The whole record in file order; Load and Save both go through here so the layout is written
// down once.
template <typename Field>
void EachField(Field&& field, auto& s) {
    field(s.HideLastMove);
    for (auto& type : s.PlayerType)
        field(type);
    for (auto& name : s.PlayerName)
        field(name);
    field(s.UseTimer);
    field(s.InitialMinutes);
    field(s.InitialSeconds);
    field(s.MoveMinutes);
    field(s.MoveSeconds);
    field(s.MouseMode);
    field(s.ShowMovesOnHover);
    field(s.Reserved248);
    field(s.FullAnimation);
    field(s.AnimationSpeed);
    field(s.MuteSounds);
    field(s.WallpaperMode);
    field(s.WallpaperRed);
    field(s.WallpaperGreen);
    field(s.WallpaperBlue);
    field(s.WallpaperFile);
    field(s.StretchWallpaper);
    field(s.StatsPlayer);
    field(s.Reserved4412);
    field(s.ShowGameInfo);
}

// Ok when the file at path can be read or is not there; otherwise why it cannot be read.
FileStatus CheckReadable(const std::filesystem::path& path) {
    const FileReadResult file = ReadFileLimited(path, kReadLimit);
    std::error_code ec;
    if (file.status.error == FileError::CannotOpen &&
        std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found)
        return {};
    return file.status;
}

// Failed saves are told once, until one succeeds again; see TakeSaveFailure.
struct SaveReport {
    std::optional<std::string> failure;
    bool told = false;
};

SaveReport& Report() {
    static SaveReport report;
    return report;
}

int32_t ClockSeconds(int32_t minutes, int32_t seconds) {
    const int64_t total = int64_t{minutes} * 60 + seconds;
    return static_cast<int32_t>(std::clamp<int64_t>(total, 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

void CSettings::FromBytes(std::span<const uint8_t> bytes) {
    // The file's bytes laid over the defaults' bytes: every field the file covers comes from the
    // file, a field it cuts keeps the default's bytes after the cut, and the rest keep defaults.
    std::vector<uint8_t> image = CSettings{}.ToBytes();
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());

    CSettings read;
    ByteReader in(image);
    EachField(
        [&in](auto& f) {
            if constexpr (std::is_same_v<std::remove_reference_t<decltype(f)>, int32_t>)
                in.ReadI32(f);
            else
                in.ReadBytes(f);
        },
        read);
    for (auto& name : read.PlayerName)
        TerminateText(name);
    TerminateText(read.WallpaperFile);
    TerminateText(read.StatsPlayer);
    MendValues(read);
    *this = read;
}

std::vector<uint8_t> CSettings::ToBytes() const {
    // Texts go out terminated and zero-filled, whatever a caller left in the buffers.
    CSettings out = *this;
    for (auto& name : out.PlayerName)
        TerminateText(name);
    TerminateText(out.WallpaperFile);
    TerminateText(out.StatsPlayer);

    ByteWriter writer;
    EachField(
        [&writer](const auto& f) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(f)>, int32_t>)
                writer.WriteI32(f);
            else
                writer.WriteBytes(f);
        },
        out);
    return std::move(writer).Take();
}

void CSettings::Load() {
    const FileReadResult file = ReadFileLimited(AppFile(kSettingsFile), kReadLimit);
    FromBytes(file.bytes);  // empty when the file is missing or unreadable: the defaults
}

bool CSettings::Save() const {
    const std::filesystem::path path = AppFile(kSettingsFile);
    FileStatus status = CheckReadable(path);
    if (!status.Ok())
        status.message =
            "the file there could not be read, so it is not replaced: " + status.message;
    if (status.Ok())
        status = CreateFolderOf(path);
    if (status.Ok())
        status = WriteFileAtomically(path, ToBytes());
    SaveReport& report = Report();
    if (status.Ok()) {
        report = {};
    } else if (!report.told && !report.failure) {
        report.failure = status.message;
    }
    return status.Ok();
}

std::optional<std::string> CSettings::TakeSaveFailure() {
    SaveReport& report = Report();
    if (!report.failure)
        return std::nullopt;
    report.told = true;
    return std::exchange(report.failure, std::nullopt);
}

std::optional<std::string> CSettings::KeepUnreadableFileAside() {
    const std::filesystem::path path = AppFile(kSettingsFile);
    const FileStatus fault = CheckReadable(path);
    if (fault.Ok())
        return std::nullopt;
    std::filesystem::path kept;
    const FileStatus aside = KeepAside(path, kept);
    if (!aside.Ok())
        return "The settings file " + path.string() + " could not be read (" + fault.message +
               ") nor kept aside (" + aside.message +
               "). The game starts with the default settings and leaves the file as it is.";
    return "The settings file " + path.string() + " could not be read (" + fault.message +
           "). It has been kept as " + kept.filename().string() +
           "; the game starts with the default settings.";
}

int32_t CSettings::GameInitialSeconds() const {
    return UseTimer == 1 ? ClockSeconds(InitialMinutes, InitialSeconds) : 0;
}

int32_t CSettings::GameSecondsPerMove() const {
    return UseTimer == 1 ? ClockSeconds(MoveMinutes, MoveSeconds) : 0;
}

float CSettings::MarbleSpeed() const {
    return static_cast<float>(std::max(AnimationSpeed, kSlowestShownSpeed)) * 0.001f;
}

}  // namespace halmora
