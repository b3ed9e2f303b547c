#include "records/Rating.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "board/SeatTypes.h"
#include "records/StatsDatabase.h"

namespace halmora {
namespace {

int32_t Saturate(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t StartRating(int32_t seatType, std::string_view name, const StatsDatabase& stats) {
    if (seatType != kSeatHuman)
        return IsComputerSeat(seatType) ? LevelRating(seatType) : 0;
    const PlayerEntry* entry = stats.Find(name);
    return entry && entry->rating != 0 ? entry->rating : kNewPlayerRating;
}

int32_t RatingChange(int32_t winnerRating, int32_t loserRating) {
    // Single-precision steps with double constants, so that every rating change comes out to the
    // point as in the ratings already stored; the difference is taken in 64 bits so that no
    // stored rating can overflow it.
    float x =
        static_cast<float>(static_cast<double>(int64_t{winnerRating} - loserRating + 1000) * 0.05);
    if (RoundByRule(x) < 0)
        x = 0.0f;
    const float y = RoundByRule(x) > 100 ? static_cast<float>(100 * 0.1)
                                         : static_cast<float>(static_cast<double>(x) * 0.1);
    return RoundByRule(10.0f - y);
}

RecordTime RecordTimeFromLocal(const std::tm& local) {
    RecordTime t;
    t.day = local.tm_mday;
    t.month = local.tm_mon;
    t.year = local.tm_year + 1900;
    t.endMs = ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000;
    return t;
}

RecordTime LocalRecordTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr)
        return {};
    return RecordTimeFromLocal(local);
}

std::optional<GameRecord> BuildGameRecord(std::span<const RecordSeat> seats, const RecordTime& end,
                                          uint32_t elapsedMs) {
    if (seats.size() < static_cast<std::size_t>(kMinParticipants) ||
        seats.size() > static_cast<std::size_t>(kMaxParticipants))
        return std::nullopt;
    std::array<bool, kColorCount> taken{};
    for (const RecordSeat& seat : seats) {
        if (seat.colour < 0 || seat.colour >= kColorCount || taken[seat.colour])
            return std::nullopt;
        if (seat.seatType < kSeatHuman || seat.seatType > kSeatMaster)
            return std::nullopt;
        taken[seat.colour] = true;
    }

    GameRecord record;
    record.count = static_cast<int32_t>(seats.size());
    int at = 0;
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        for (const RecordSeat& seat : seats) {
            if (seat.colour != c)
                continue;
            record.participants[at++] = {seat.name, seat.seatType, seat.startRating, seat.colour,
                                         seat.place};
        }
    }

    int winner = -1;
    for (int i = 0; i < record.count; ++i)
        if (record.participants[i].place == 0)
            winner = i;
    if (winner >= 0) {
        int32_t& winnerRating = record.participants[winner].rating;
        for (int i = 0; i < record.count; ++i) {
            if (i == winner)
                continue;
            int32_t& loserRating = record.participants[i].rating;
            const int32_t delta = RatingChange(winnerRating, loserRating);
            winnerRating = Saturate(int64_t{winnerRating} + delta);
            loserRating = Saturate(int64_t{loserRating} - delta);
        }
    }

    record.day = end.day;
    record.month = end.month;
    record.year = end.year;
    record.endMs = end.endMs;
    record.startMs = Saturate(int64_t{end.endMs} - elapsedMs);
    return record;
}

}  // namespace halmora
