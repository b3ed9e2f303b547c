#include "records/StatsDatabase.h"

#include <algorithm>
#include <new>
#include <system_error>
#include <utility>

#include "platform/AppFolder.h"
#include "platform/ByteReader.h"
#include "platform/ByteWriter.h"
#include "platform/FileIO.h"

namespace halmora {
namespace {

constexpr int32_t kHumanSeat = 1;
constexpr std::size_t kPlayerHeaderBytes = kGbkNameBytes + 4 + 4;

std::string Str(long long v) {
    return std::to_string(v);
}

std::string PlayerName(std::size_t index) {
    return "player " + Str(static_cast<long long>(index + 1));
}

StatsError FromFileError(FileError e) {
    switch (e) {
        case FileError::None:
            return StatsError::None;
        case FileError::CannotOpen:
            return StatsError::CannotOpen;
        case FileError::CannotRead:
            return StatsError::CannotRead;
        case FileError::TooLarge:
            return StatsError::TooLarge;
        case FileError::CannotWrite:
            return StatsError::CannotWrite;
    }
    return StatsError::CannotRead;
}

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
        return {StatsError::BadCount, "player count " + Str(players) + " is negative"};
    if (static_cast<std::size_t>(players) > in.Remaining() / kPlayerHeaderBytes)
        Note(status, {StatsError::BadCount, "player count " + Str(players) +
                                                " is more than the bytes that follow can hold"});

    for (std::size_t i = 0; i < static_cast<std::size_t>(players); ++i) {
        PlayerEntry entry;
        int32_t records = 0;
        in.ReadBytes(entry.name);
        in.ReadI32(records);
        in.ReadI32(entry.rating);
        if (in.Failed()) {
            Note(status, {StatsError::EndsEarly, "file ends early (" + PlayerName(i) + ")"});
            return status;
        }
        if (records < 0) {
            Note(status, {StatsError::BadCount, "record count " + Str(records) + " of " +
                                                    PlayerName(i) + " is negative"});
        } else if (static_cast<std::size_t>(records) >
                   in.Remaining() / GameRecordBytes(kMinParticipants)) {
            Note(status,
                 {StatsError::BadCount, "record count " + Str(records) + " of " + PlayerName(i) +
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
            Note(status,
                 {in.Failed() ? StatsError::EndsEarly : StatsError::BadParticipantCount,
                  "record " + Str(r + 1) + " of " + PlayerName(i) + " " + std::string(why)});
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
        Note(status, {StatsError::TrailingBytes, Str(static_cast<long long>(in.Remaining())) +
                                                     " bytes follow the last player"});
    return status;
}

}  // namespace

std::filesystem::path StatsDatabase::DefaultPath() {
    return AppFile("Data/Stats.dat");
}

StatsStatus StatsDatabase::Load() {
    return Load(DefaultPath());
}

StatsStatus StatsDatabase::Load(const std::filesystem::path& path) {
    const FileReadResult file = ReadFileLimited(path, kMaxStatsFileBytes);
    if (!file.status.Ok()) {
        if (file.status.error == FileError::CannotOpen && IsMissing(path)) {
            entries_.clear();
            unreadFile_.reset();
            return {};
        }
        unreadFile_ = path;
        return {FromFileError(file.status.error), file.status.message};
    }
    unreadFile_.reset();
    return Read(file.bytes);
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
        return {FromFileError(written.error), written.message};
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
        if (participant.seatType != kHumanSeat)
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
