#include "game/GameRecordFiling.h"

#include <vector>

#include "game/Game.h"
#include "records/StatsDatabase.h"

namespace halmora {

std::optional<GameRecord> BuildRecordOf(const CGame& game, const RecordTime& end) {
    if (game.State() != kGameOver)
        return std::nullopt;
    std::vector<RecordSeat> seats;
    for (PlayerColor c = 0; c < kColorCount; ++c) {
        const CPlayer* p = game.Seat(c);
        if (p == nullptr)
            continue;
        RecordSeat seat;
        seat.name = p->Name();
        seat.seatType = p->SeatType();
        seat.colour = c;
        seat.startRating = p->Rating();
        // Every player has a place once the game is over; one without would come last.
        seat.place = kColorCount - 1;
        for (int i = 0; i < kColorCount; ++i)
            if (game.PlaceAt(i) == c)
                seat.place = i;
        seats.push_back(seat);
    }
    return BuildGameRecord(seats, end, game.GameClock().Get());
}

StatsStatus FileFinishedGame(const CGame& game, StatsDatabase& stats, const RecordTime& end) {
    const std::optional<GameRecord> record = BuildRecordOf(game, end);
    if (!record)
        return {};
    return stats.FileGame(*record);
}

}  // namespace halmora
