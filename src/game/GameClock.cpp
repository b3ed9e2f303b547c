#include "game/GameClock.h"

#include <cstdio>
#include <limits>

#include "platform/TickCount.h"

namespace halmora {

std::string ClockText(uint32_t ms, bool padMinutes) {
    char text[32];
    std::snprintf(text, sizeof text, padMinutes ? "%02u:%02u" : "%u:%02u",
                  static_cast<unsigned>(ms / 60000), static_cast<unsigned>(ms % 60000 / 1000));
    return text;
}

void CGameClock::Reset() {
    *this = CGameClock{};
}

void CGameClock::Start() {
    stopped_ = 0;
    lastTick_ = TickCount();
}

void CGameClock::Pause() {
    stopped_ = 1;
    lastTick_ = TickCount();
}

uint32_t CGameClock::Update() {
    if (stopped_ != 0)
        return elapsed_;
    const uint32_t now = TickCount();
    const uint32_t step = now - lastTick_;  // unsigned: right across the wrap of the count
    lastTick_ = now;
    // Stays at its maximum (49.7 days) rather than wrapping back to a short game.
    const uint32_t room = std::numeric_limits<uint32_t>::max() - elapsed_;
    elapsed_ += step < room ? step : room;
    return elapsed_;
}

}  // namespace halmora
