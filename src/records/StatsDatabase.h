// The statistics of every named human player: an entry per player with its rating and game
// records, kept in memory and in Data/Stats.dat. Entries come into being only when a finished
// game is filed; computer seats appear in records as opponents but never get an entry.
//
//   StatsDatabase stats;
//   stats.Load();                       // a missing file is an empty database
//   stats.AddGameRecord(*record);       // from BuildGameRecord at game over
//   if (!stats.Save().Ok()) host.ShowMessage(...);
//
// Loading builds entries and records at the front of their lists, so the players come out in
// the reverse of the file's order and every load-and-save reverses the player blocks; records
// are sorted newest first after each load and each addition.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/GameRecord.h"
#include "records/PlayerEntry.h"

namespace halmora {

// The largest statistics file read: hundreds of thousands of games.
inline constexpr std::size_t kMaxStatsFileBytes = std::size_t{256} << 20;

enum class StatsError {
    None,
    // The file could not be read at all; the database is as it was.
    CannotOpen,
    CannotRead,
    TooLarge,
    // The file is damaged; the database holds what could be read before the damage.
    EndsEarly,
    BadCount,
    BadParticipantCount,
    TrailingBytes,
    // Saving
    CannotWrite,
    NotReplacingUnreadFile,
};

struct StatsStatus {
    StatsError error = StatsError::None;
    std::string message;  // English, for the user; empty when error is None

    bool Ok() const { return error == StatsError::None; }
};

class StatsDatabase {
public:
    // Data/Stats.dat below the application folder.
    static std::filesystem::path DefaultPath();

    // Replaces the database by the file's content. A missing file gives an empty database and
    // no error. A file that exists but cannot be read leaves the database as it was, and until a
    // later Load of that file succeeds, Save refuses to replace it, so that a passing fault never
    // costs the players their history.
    StatsStatus Load();
    StatsStatus Load(const std::filesystem::path& path);

    // Replaces the database by the entries of a whole file's bytes. Counts are trusted only as
    // far as the bytes go: a player block is kept when its name, record count and rating are
    // there, a record when all of it is there, and reading stops at the first damage.
    StatsStatus Read(std::span<const uint8_t> bytes);

    // The whole database in the file layout, entries front to back.
    std::vector<uint8_t> Write() const;

    // Writes the file whole beside the target and renames it over it; on failure the old file
    // stays as it was.
    StatsStatus Save() const;
    StatsStatus Save(const std::filesystem::path& path) const;

    // The entry whose name is exactly name (GBK bytes without the terminating zero), or null.
    const PlayerEntry* Find(std::string_view name) const;

    // Files a finished game for each human participant in participant order: the entry of that
    // name is found or created at the front, gets its own copy of the record and the participant's
    // rating after the game. Two humans with one name file the record twice in one entry. A
    // record of fewer than 2 or more than 6 participants is not filed.
    void AddGameRecord(const GameRecord& record);

    // Removes the entry and all its records; false when there is none of that name.
    bool DeletePlayer(std::string_view name);

    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    // The entry at index 0..Count()-1, front to back.
    const PlayerEntry& Entry(int32_t index) const { return entries_[index]; }

private:
    std::vector<PlayerEntry> entries_;  // front first
    std::optional<std::filesystem::path> unreadFile_;
};

}  // namespace halmora
