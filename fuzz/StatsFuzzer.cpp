// Feeds arbitrary bytes to the statistics reader. It must never hold more than the bytes hold,
// and a database it read without error must save and load back to the same content.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "records/StatsDatabase.h"

namespace {

using halmora::StatsDatabase;

void Check(bool ok) {
    if (!ok)
        __builtin_trap();
}

// Loading reverses the player blocks, and the records of one entry that started at the same time
// (which keep their order in the sort that follows the reversal), so two databases hold the same
// content when one is the other back-to-front, records alike up to their order.
bool SameContentReversed(const StatsDatabase& a, const StatsDatabase& b) {
    if (a.Count() != b.Count())
        return false;
    for (int32_t i = 0; i < a.Count(); ++i) {
        const halmora::PlayerEntry& x = a.Entry(i);
        const halmora::PlayerEntry& y = b.Entry(b.Count() - 1 - i);
        if (x.name != y.name || x.rating != y.rating ||
            !std::is_permutation(x.records.begin(), x.records.end(), y.records.begin(),
                                 y.records.end()) ||
            x.gamesPlayed != y.gamesPlayed || x.gamesWon != y.gamesWon ||
            x.gamesLost != y.gamesLost)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    StatsDatabase db;
    const halmora::StatsStatus status = db.Read(std::span(data, size));
    Check(status.Ok() == status.message.empty());

    // Every entry and record kept came from bytes of the input.
    std::size_t held = 0;
    for (int32_t i = 0; i < db.Count(); ++i) {
        const halmora::PlayerEntry& e = db.Entry(i);
        held += 40;
        for (const halmora::GameRecord& r : e.records) {
            Check(r.count >= halmora::kMinParticipants && r.count <= halmora::kMaxParticipants);
            held += halmora::GameRecordBytes(r.count);
        }
        Check(e.gamesPlayed == static_cast<int32_t>(e.records.size()));
        Check(e.gamesWon + e.gamesLost <= e.gamesPlayed);
        Check(e.gamesWon >= 0 && e.gamesLost >= 0);
    }
    Check(held <= size);

    // What was read (all of it, or what came before the damage) saves and loads back the same.
    const std::vector<uint8_t> once = db.Write();
    StatsDatabase reread;
    Check(reread.Read(once).Ok());
    Check(SameContentReversed(db, reread));
    StatsDatabase twice;
    Check(twice.Read(reread.Write()).Ok());
    Check(twice.Write() == once);
    return 0;
}
