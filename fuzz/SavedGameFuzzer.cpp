// Feeds arbitrary bytes to the saved-game reader. A file it accepts must hold a record that
// passes every check on its own and writes back to exactly the bytes read; a file it refuses
// must give a reason and no record.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "game/SavedGameRecord.h"

namespace {

void Check(bool ok) {
    if (!ok)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const halmora::SavedGameReadResult read = halmora::ReadSavedGame(bytes);
    if (!read.status.Ok()) {
        Check(read.record == nullptr);
        Check(!read.status.message.empty());
        return 0;
    }
    Check(read.record != nullptr && read.status.message.empty());
    Check(size <= halmora::kMaxSavedGameBytes);

    const halmora::SavedGameRecord& record = *read.record;
    Check(halmora::ValidateSavedGame(record).Ok());
    Check(record.playerCount >= 0 && record.playerCount <= halmora::kColorCount);
    Check(record.historyTop >= 0 && record.historyTop <= halmora::kMaxHistoryTop);
    Check(record.historyPosition >= 0 && record.historyPosition <= record.historyTop);

    const std::vector<uint8_t> written = halmora::WriteSavedGame(record);
    Check(written.size() == size && std::equal(written.begin(), written.end(), data));
    const halmora::SavedGameReadResult again = halmora::ReadSavedGame(written);
    Check(again.status.Ok() && *again.record == record);
    return 0;
}
