#include "records/StatsDatabase.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <system_error>
#include <utility>

#include "board/SeatTypes.h"
#include "platform/AppFolder.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "platform/FileIO.h"
#include "platform/FileLock.h"

namespace halmora {
namespace {

constexpr std::size_t kPlayerHeaderBytes = kGbkNameBytes + 4 + 4;

bool IsMissing(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found;
}

// The first damage found wins; later reads only decide how much is kept.
void Note(StatsStatus& first, StatsStatus found) {
    if (first.Ok())
        first = std::move(found);
}

// Reads player blocks in file order, up to the first block or record that is not all there.
// A count larger than the bytes that follow is reported but followed only as far as the bytes
// go: every loop consumes bytes or stops, so no count makes it allocate beyond the file.
StatsStatus Parse(ByteReader& in, std::vector<PlayerEntry>& entries) {
    StatsStatus status;
    int32_t players = 0;
    if (!in.ReadI32(players))
        return {StatsError::EndsEarly, "file ends early (player count)"};
    if (players < 0)
        return {StatsError::BadCount, "player count " + std::to_string(players) + " is negative"};
    if (static_cast<std::size_t>(players) > in.Remaining() / kPlayerHeaderBytes)
        Note(status, {StatsError::BadCount, "player count " + std::to_string(players) +
                                                " is more than the bytes that follow can hold"});

    for (std::size_t i = 0; i < static_cast<std::size_t>(players); ++i) {
        PlayerEntry entry;
        int32_t records = 0;
        in.ReadBytes(entry.name);
        in.ReadI32(records);
        in.ReadI32(entry.rating);
        if (in.Failed()) {
            Note(status,
                 {StatsError::EndsEarly, "file ends early (" + Numbered("player", i) + ")"});
            return status;
        }
        if (records < 0) {
            Note(status, {StatsError::BadCount, "record count " + std::to_string(records) + " of " +
                                                    Numbered("player", i) + " is negative"});
        } else if (static_cast<std::size_t>(records) >
                   in.Remaining() / GameRecordBytes(kMinParticipants)) {
            Note(status,
                 {StatsError::BadCount, "record count " + std::to_string(records) + " of " +
                                            Numbered("player", i) +
                                            " is more than the bytes that follow can hold"});
        }
        bool damaged = records < 0;
        for (int32_t r = 0; r < records && !damaged; ++r) {
            GameRecord record;
            std::string_view why;
            if (ReadGameRecord(in, record, why)) {
                entry.records.push_back(record);
                continue;
            }
            Note(status, {in.Failed() ? StatsError::EndsEarly : StatsError::BadParticipantCount,
                          "record " + std::to_string(r + 1) + " of " + Numbered("player", i) + " " +
                              std::string(why)});
            damaged = true;
        }
        // Each record went to the front of the list as it was read.
        std::reverse(entry.records.begin(), entry.records.end());
        entry.RecomputeCounts();
        entry.SortRecords();
        entries.push_back(std::move(entry));
        if (damaged)
            return status;
    }
    if (!in.AtEnd())
        Note(status, {StatsError::TrailingBytes,
                      std::to_string(in.Remaining()) + " bytes follow the last player"});
    return status;
}

bool HasHumanSeat(const GameRecord& record) {
    if (record.count < kMinParticipants || record.count > kMaxParticipants)
        return false;
    for (int i = 0; i < record.count; ++i)
        if (record.participants[i].seatType == kSeatHuman)
            return true;
    return false;
}

std::size_t RecordCount(const StatsDatabase& stats) {
    std::size_t records = 0;
    for (int32_t i = 0; i < stats.Count(); ++i)
        records += stats.Entry(i).records.size();
    return records;
}

// What the player is told about a file that was renamed aside, of which players and records
// could be read.
std::string KeptNotice(const std::filesystem::path& path, const std::filesystem::path& kept,
                       const StatsStatus& fault, bool opened, int32_t players,
                       std::size_t records) {
    std::string text = "The statistics file " + path.string() +
                       (opened ? " could not be read completely (" : " could not be read (") +
                       fault.message + "). It has been kept as " + kept.filename().string() + "; ";
    if (players == 0)
        return text + "a new statistics file has been started.";
    return text + "what could be read of it (" + std::to_string(players) + " players, " +
           std::to_string(records) + " game records) goes on in a new statistics file.";
}

}  // namespace

std::filesystem::path StatsDatabase::DefaultPath() {
    return AppFile("Data/Stats.dat");
}

StatsStatus StatsDatabase::Load() {
    return Load(DefaultPath());
}

StatsStatus StatsDatabase::Load(const std::filesystem::path& path) {
    bool opened = false;
    const StatsStatus status = ReadFile(path, opened);
    if (!opened && !status.Ok())
        unreadFile_ = path;
    else
        unreadFile_.reset();
    return status;
}

StatsStatus StatsDatabase::ReadFile(const std::filesystem::path& path, bool& opened) {
    const FileReadResult file = ReadFileLimited(path, kMaxStatsFileBytes);
    opened = file.status.Ok();
    if (opened)
        return Read(file.bytes);
    if (file.status.error == FileError::CannotOpen && IsMissing(path)) {
        entries_.clear();
        return {};
    }
    return {ErrorOf<StatsError>(file.status.error), file.status.message};
}

StatsStatus StatsDatabase::Open() {
    pending_.clear();
    unreadFile_.reset();
    entries_.clear();
    bool opened = false;
    const StatsStatus fault = ReadFile(DefaultPath(), opened);
    if (fault.Ok())
        return {};
    // Set right under the lock, which reads the file again: another window may have done it.
    StatsStatus result = ChangeFile([](StatsDatabase&, bool&) { return StatsStatus{}; });
    if (result.Ok() && result.notice.empty())
        return {};
    if (!result.Ok())
        result.notice = "The statistics file " + DefaultPath().string() +
                        (opened ? " could not be read completely (" : " could not be read (") +
                        fault.message + ") and could not be set aside (" + result.message +
                        "). What could be read is shown; Halmora tries again when it next "
                        "records a game.";
    result.error = fault.error;
    result.message = fault.message;
    return result;
}

StatsStatus StatsDatabase::FileGame(const GameRecord& record) {
    if (!HasHumanSeat(record))
        return {};
    AddGameRecord(record);
    pending_.push_back(record);
    return ChangeFile([](StatsDatabase&, bool&) { return StatsStatus{}; });
}

StatsStatus StatsDatabase::DeletePlayerFromFile(std::string_view name) {
    const bool known = Find(name) != nullptr;
    return ChangeFile([&](StatsDatabase& file, bool& changed) -> StatsStatus {
        if (file.DeletePlayer(name)) {
            changed = true;
            return {};
        }
        // Another window may have deleted it already; then it is gone as asked.
        if (known)
            return {};
        return {StatsError::NoSuchPlayer, "no player of that name"};
    });
}

StatsStatus StatsDatabase::SavePending() {
    if (pending_.empty())
        return {};
    return ChangeFile([](StatsDatabase&, bool&) { return StatsStatus{}; });
}

StatsStatus StatsDatabase::Refresh() {
    bool opened = false;
    const StatsStatus status = ReadFile(DefaultPath(), opened);
    if (!opened && !status.Ok())
        return status;  // nothing read: memory keeps what it had, pending games included
    for (const GameRecord& record : pending_)
        AddGameRecord(record);
    return status;
}

StatsStatus StatsDatabase::ChangeFile(const Change& change) {
    try {
        const std::filesystem::path path = DefaultPath();
        if (const FileStatus folder = CreateFolderOf(path); !folder.Ok())
            return {StatsError::CannotWrite, folder.message};
        FileStatus locked;
        const FileLock lock = FileLock::Acquire(path, locked);
        if (!locked.Ok())
            return {StatsError::CannotWrite, locked.message};

        StatsDatabase file;
        bool opened = false;
        const StatsStatus fault = file.ReadFile(path, opened);
        std::filesystem::path kept;
        bool changed = false;
        if (!fault.Ok()) {
            const FileStatus aside = KeepAside(path, kept);
            if (!aside.Ok())
                return {StatsError::NotReplacingUnreadFile,
                        "not replacing " + path.string() + ", which could not be read (" +
                            fault.message + ") nor kept aside (" + aside.message + ")"};
            changed = true;  // a good file takes its place
        }
        const int32_t readPlayers = file.Count();
        const std::size_t readRecords = RecordCount(file);
        for (const GameRecord& record : pending_) {
            file.AddGameRecord(record);
            changed = true;
        }
        const std::vector<PlayerEntry> unchanged = file.entries_;
        StatsStatus result = change(file, changed);
        if (result.Ok() && changed) {
            const FileStatus written = WriteFileAtomically(path, file.Write());
            if (!written.Ok())
                result = {StatsError::CannotWrite, written.message};
        }
        if (!result.Ok()) {
            file.entries_ = unchanged;
            // Better the damaged file than none: the next change tries again.
            int err = 0;
            if (!kept.empty() && ::rename(kept.c_str(), LinkTarget(path, err).c_str()) == 0)
                kept.clear();
        } else {
            pending_.clear();
        }
        if (!kept.empty())
            result.notice = KeptNotice(path, kept, fault, opened, readPlayers, readRecords);
        entries_ = std::move(file.entries_);
        unreadFile_.reset();
        return result;
    } catch (const std::bad_alloc&) {
        return {StatsError::CannotWrite, "out of memory writing the statistics"};
    }
}

StatsStatus StatsDatabase::Read(std::span<const uint8_t> bytes) {
    try {
        std::vector<PlayerEntry> entries;
        ByteReader in(bytes);
        StatsStatus status = Parse(in, entries);
        // Each entry went to the front of the list as it was read.
        std::reverse(entries.begin(), entries.end());
        entries_ = std::move(entries);
        return status;
    } catch (const std::bad_alloc&) {
        return {StatsError::CannotRead, "out of memory reading the statistics"};
    }
}

std::vector<uint8_t> StatsDatabase::Write() const {
    ByteWriter out;
    out.WriteI32(Count());
    for (const PlayerEntry& entry : entries_) {
        out.WriteBytes(entry.name);
        out.WriteI32(static_cast<int32_t>(entry.records.size()));
        out.WriteI32(entry.rating);
        for (const GameRecord& record : entry.records)
            WriteGameRecord(out, record);
    }
    return std::move(out).Take();
}

StatsStatus StatsDatabase::Save() const {
    return Save(DefaultPath());
}

StatsStatus StatsDatabase::Save(const std::filesystem::path& path) const {
    if (unreadFile_ && *unreadFile_ == path)
        return {StatsError::NotReplacingUnreadFile,
                "not replacing " + path.string() + ": it could not be read"};
    try {
        const FileStatus written = WriteFileAtomically(path, Write());
        return {ErrorOf<StatsError>(written.error), written.message};
    } catch (const std::bad_alloc&) {
        return {StatsError::CannotWrite, "out of memory writing " + path.string()};
    }
}

const PlayerEntry* StatsDatabase::Find(std::string_view name) const {
    for (const PlayerEntry& entry : entries_)
        if (entry.Name() == name)
            return &entry;
    return nullptr;
}

void StatsDatabase::AddGameRecord(const GameRecord& record) {
    // A count the file cannot hold would be saved differently from what is in memory.
    if (record.count < kMinParticipants || record.count > kMaxParticipants)
        return;
    for (int i = 0; i < record.count; ++i) {
        const RecordParticipant& participant = record.participants[i];
        if (participant.seatType != kSeatHuman)
            continue;
        const std::string_view name = GbkNameBytes(participant.name);
        auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const PlayerEntry& e) { return e.Name() == name; });
        if (it == entries_.end()) {
            PlayerEntry created;
            std::copy(name.begin(), name.end(), created.name.begin());
            it = entries_.insert(entries_.begin(), std::move(created));
        }
        PlayerEntry& entry = *it;
        entry.rating = record.participants[record.ParticipantIndex(name)].rating;
        entry.records.insert(entry.records.begin(), record);
        entry.RecomputeCounts();
        entry.SortRecords();
    }
}

bool StatsDatabase::DeletePlayer(std::string_view name) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const PlayerEntry& e) { return e.Name() == name; });
    if (it == entries_.end())
        return false;
    entries_.erase(it);
    return true;
}

}  // namespace halmora
