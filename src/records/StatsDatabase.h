// The statistics of every named human player: an entry per player with its rating and game
// records, kept in memory and in Data/Stats.dat. Entries come into being only when a finished
// game is filed; computer seats appear in records as opponents but never get an entry.
//
// Several windows may share one game folder, so the game never writes its copy over the file.
// Each change is made under the folder's lock on the file as it is then: read it whole, apply
// this window's change, write it whole, release the lock. A file that cannot be read whole is
// renamed aside first (KeepAside) and what could be read of it goes on in a new file.
//
//   StatsDatabase stats;
//   StatsStatus opened = stats.Open();            // start-up; opened.notice for the player
//   StatsStatus filed = stats.FileGame(*record);  // a finished game, from BuildGameRecord
//   ...
//   stats.SavePending();                          // at exit: writes only what failed before
//
// Loading builds entries and records at the front of their lists, so the players come out in
// the reverse of the file's order and every load-and-save reverses the player blocks; records
// are sorted newest first after each load and each addition.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
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
    // Deleting a player the file does not hold
    NoSuchPlayer,
};

struct StatsStatus {
    StatsStatus() = default;
    StatsStatus(StatsError e, std::string text) : error(e), message(std::move(text)) {}

    StatsError error = StatsError::None;
    std::string message;  // English, for the user; empty when error is None
    // Set when a file that could not be read whole was kept aside on the way, whatever the
    // outcome: which file, under what name and why, as a sentence for the player.
    std::string notice;

    bool Ok() const { return error == StatsError::None; }
};

class StatsDatabase {
public:
    // Data/Stats.dat below the application folder.
    static std::filesystem::path DefaultPath();

    // Start-up: replaces the database by the file's content and forgets pending games. A file
    // that cannot be read whole is kept aside under the lock and what could be read of it is
    // written as the new file; the notice then tells the player. A missing file is empty.
    StatsStatus Open();

    // Files a finished game: in memory at once, and in the file under the lock, merged with what
    // other windows have written meanwhile. When the file cannot be written the game stays
    // pending; every later write (and SavePending) tries it again. A record without a human
    // seat changes nothing and writes nothing.
    StatsStatus FileGame(const GameRecord& record);

    // Removes the player from the file under the lock (pending games are written first, so a
    // waiting game of the player goes too). On failure the player stays, in memory as in the
    // file; NoSuchPlayer when neither holds it.
    StatsStatus DeletePlayerFromFile(std::string_view name);

    // Writes the pending games, if any; nothing at all is written when there are none.
    StatsStatus SavePending();
    // Games filed in memory that the file does not hold yet.
    std::size_t PendingGames() const { return pending_.size(); }

    // Re-reads the file without writing (a rename puts each version in place whole, so no lock
    // is needed) and lays the pending games over it. A file that cannot be opened leaves the
    // database as it is; a damaged one gives what could be read, as Read does.
    StatsStatus Refresh();

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

    // Writes the whole database beside the target and renames it over it; on failure the old
    // file stays as it was. It writes this copy over whatever the file holds, so the game itself
    // writes only through FileGame, DeletePlayerFromFile and SavePending.
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
    // Under the lock: the file read whole (or kept aside), the pending games and then change
    // applied to it, and the result written when anything changed. Memory follows the file.
    using Change = std::function<StatsStatus(StatsDatabase& file, bool& changed)>;
    StatsStatus ChangeFile(const Change& change);
    // Reads path into the database. opened is false when nothing could be read: a missing file
    // empties the database (Ok), any other fault leaves it as it was.
    StatsStatus ReadFile(const std::filesystem::path& path, bool& opened);

    std::vector<PlayerEntry> entries_;  // front first
    std::vector<GameRecord> pending_;   // filed here, not yet in the file, oldest first
    std::optional<std::filesystem::path> unreadFile_;
};

}  // namespace halmora
