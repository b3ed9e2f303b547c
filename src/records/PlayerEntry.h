// One named human player of the statistics: its current rating, its game records newest first and
// the counts derived from them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/TextEncoding.h"
#include "records/GameRecord.h"

namespace halmora {

struct PlayerEntry {
    GbkName name{};      // the key: the bytes before the first zero, case-sensitive
    int32_t rating = 0;  // after the most recent recorded game; 0 in a new entry
    int32_t gamesPlayed = 0;
    int32_t gamesWon = 0;
    int32_t gamesLost = 0;
    int64_t totalPlayingMs = 0;       // in memory only
    std::vector<GameRecord> records;  // newest first

    std::string_view Name() const { return GbkNameBytes(name); }

    // Counts from the records: every record is a game played; the player's own place (its first
    // participant of that name) 0 is a win, any other a loss. A record without the player's name,
    // which only a damaged file holds, counts as played but neither won nor lost.
    void RecomputeCounts();

    // Newest first by date and start time; records of equal time keep their order.
    void SortRecords();
};

}  // namespace halmora
