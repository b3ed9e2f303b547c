#include "records/PlayerEntry.h"

#include <algorithm>

namespace halmora {

void PlayerEntry::RecomputeCounts() {
    gamesPlayed = static_cast<int32_t>(records.size());
    gamesWon = 0;
    gamesLost = 0;
    totalPlayingMs = 0;
    for (const GameRecord& record : records) {
        const int p = record.ParticipantIndex(Name());
        if (p >= 0) {
            if (record.participants[p].place == 0)
                ++gamesWon;
            else
                ++gamesLost;
        }
        totalPlayingMs += record.DurationMs();
    }
}

void PlayerEntry::SortRecords() {
    // Stable, so it orders exactly as an exchange sort that swaps only strictly later records.
    std::stable_sort(records.begin(), records.end(),
                     [](const GameRecord& a, const GameRecord& b) { return a.IsLaterThan(b); });
}

}  // namespace halmora
