#include "game/Player.h"

#include <algorithm>

namespace halmora {

CPlayer::CPlayer(PlayerColor colour, PlayerType seatType, std::string_view name)
    : colour_(colour), seatType_(seatType) {
    // Up to the first zero, and never more than fits with the terminating zero.
    const size_t end = std::min(name.find('\0'), name.size());
    const size_t n = std::min(end, name_.size() - 1);
    std::copy_n(name.begin(), n, name_.begin());
}

void CPlayer::BeginTurn(CBoardCanvas&, CGameBoard&, const TurnInfo&) {}

int32_t CPlayer::PollTurn(CBoardCanvas&, CGameBoard&) {
    return kMoveChoosing;
}

void CPlayer::MouseInput(int32_t, int32_t, int, int, CBoardCanvas&, CGameBoard&) {}

void CPlayer::ForceMove() {}

}  // namespace halmora
