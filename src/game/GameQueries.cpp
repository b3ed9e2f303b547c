// What the window and the menus ask of the game: who may undo, redo, be hinted or forced, and
// the facts those answers rest on.
#include "game/Game.h"

#include <algorithm>

namespace halmora {

bool CGame::AllFinished() const {
    for (PlayerColor c : order_)
        if (!finished_[c])
            return false;
    return true;
}

bool CGame::AnyFinished() const {
    for (uint8_t f : finished_)
        if (f)
            return true;
    return false;
}

bool CGame::CanUndo() const {
    const CPlayer* p = Current();
    if (state_ != kGamePlaying || p == nullptr || !p->IsHuman() || AnyFinished())
        return false;
    for (int i = 0; i < history_.Position(); ++i)
        if (IsHumanSeat(history_.MoverAt(i)))
            return true;
    return false;
}

bool CGame::CanRedo() const {
    const CPlayer* p = Current();
    return state_ == kGamePlaying && p != nullptr && p->IsHuman() &&
           history_.Top() > history_.Position() && !AnyFinished();
}

// A computer may be forced, and a human given a hint, while it chooses its move.
bool CGame::Choosing(bool human) const {
    const CPlayer* p = Current();
    return state_ == kGamePlaying && p != nullptr && p->IsHuman() == human &&
           p->MoveState() == kMoveChoosing;
}

bool CGame::CanEndGameNow() const {
    return AnyFinished() && state_ == kGamePlaying;
}

const GbkName* CGame::FirstHumanName() const {
    for (const auto& seat : seats_)
        if (seat && seat->IsHuman())
            return &seat->Name();
    return nullptr;
}

uint32_t CGame::CurrentClock() const {
    const CCountdownClock* clock = clocksOn_ ? CurrentClockObject() : nullptr;
    return clock ? clock->Get() : 0;
}

bool CGame::IsHumanSeat(PlayerColor c) const {
    return c >= 0 && c < kColorCount && seats_[c] && seats_[c]->IsHuman() &&
           std::find(order_.begin(), order_.end(), c) != order_.end();
}

}  // namespace halmora
