#include "records/GameRecord.h"

#include <algorithm>
#include <tuple>

namespace halmora {

int GameRecord::ParticipantIndex(std::string_view name) const {
    const int n = std::clamp(count, 0, kMaxParticipants);
    for (int i = 0; i < n; ++i)
        if (GbkNameBytes(participants[i].name) == name)
            return i;
    return -1;
}

bool GameRecord::IsLaterThan(const GameRecord& other) const {
    return std::tie(year, month, day, startMs) >
           std::tie(other.year, other.month, other.day, other.startMs);
}

bool ReadGameRecord(ByteReader& in, GameRecord& out, std::string_view& why) {
    int32_t n = 0;
    if (!in.ReadI32(n)) {
        why = "ends early";
        return false;
    }
    if (n < kMinParticipants || n > kMaxParticipants) {
        why = "has a participant count outside 2..6";
        return false;
    }
    out.count = n;
    // Field by field, each for all participants in turn, as the file has them.
    for (int i = 0; i < n; ++i)
        in.ReadBytes(out.participants[i].name);
    for (int i = 0; i < n; ++i)
        in.ReadI32(out.participants[i].seatType);
    for (int i = 0; i < n; ++i)
        in.ReadI32(out.participants[i].rating);
    for (int i = 0; i < n; ++i)
        in.ReadI32(out.participants[i].colour);
    for (int i = 0; i < n; ++i)
        in.ReadI32(out.participants[i].place);
    in.ReadI32(out.day);
    in.ReadI32(out.month);
    in.ReadI32(out.year);
    in.ReadI32(out.startMs);
    in.ReadI32(out.endMs);
    if (in.Failed()) {
        why = "ends early";
        return false;
    }
    return true;
}

void WriteGameRecord(ByteWriter& out, const GameRecord& r) {
    const int n = std::clamp(r.count, kMinParticipants, kMaxParticipants);
    out.WriteI32(n);
    for (int i = 0; i < n; ++i)
        out.WriteBytes(r.participants[i].name);
    for (int i = 0; i < n; ++i)
        out.WriteI32(r.participants[i].seatType);
    for (int i = 0; i < n; ++i)
        out.WriteI32(r.participants[i].rating);
    for (int i = 0; i < n; ++i)
        out.WriteI32(r.participants[i].colour);
    for (int i = 0; i < n; ++i)
        out.WriteI32(r.participants[i].place);
    out.WriteI32(r.day);
    out.WriteI32(r.month);
    out.WriteI32(r.year);
    out.WriteI32(r.startMs);
    out.WriteI32(r.endMs);
}

}  // namespace halmora
