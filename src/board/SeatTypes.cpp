#include "board/SeatTypes.h"

namespace halmora {

const SeatType* FindSeatType(PlayerType type) {
    for (const SeatType& row : kSeatTypes)
        if (row.type == type)
            return &row;
    return nullptr;
}

const SeatType& ComputerLevel(PlayerType type) {
    return *FindSeatType(IsComputerSeat(type) ? type : kSeatMaster);
}

int LevelRating(PlayerType type) {
    return ComputerLevel(type).rating;
}

int SearchDepthLimit(int rating, int players) {
    for (PlayerType type = kSeatNovice; type <= kSeatMaster; ++type) {
        const SeatType& level = *FindSeatType(type);
        if (rating <= level.rating)
            return (players < 5 ? level.pliesFewPlayers : level.pliesManyPlayers) * (players - 1);
    }
    return 10;
}

}  // namespace halmora
