#include "game/GameClock.h"

#include <cstdio>
#include <limits>

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

uint32_t CGameClock::Update() {
    if (Stopped())
        return elapsed_;
    const uint32_t step = Look();
    // Stays at its maximum (49.7 days) rather than wrapping back to a short game.
    const uint32_t room = std::numeric_limits<uint32_t>::max() - elapsed_;
    elapsed_ += step < room ? step : room;
    return elapsed_;
}

}  // namespace halmora
