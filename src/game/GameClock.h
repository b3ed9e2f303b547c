// The game's total playing time, counting up while the game is played. The game tick calls
// Update; Stop (a pause) stops the count without charging the time since the last update.
#pragma once

#include <cstdint>
#include <string>

#include "game/PolledClock.h"

namespace halmora {

// A clock's time as minutes and seconds: "9:05", or "09:05" with padMinutes.
std::string ClockText(uint32_t ms, bool padMinutes);

class CGameClock : public CPolledClock {
public:
    void Reset();

    void Set(uint32_t ms) { elapsed_ = ms; }
    uint32_t Get() const { return elapsed_; }

    // Adds the time since the last look while running; returns the elapsed time.
    uint32_t Update();

private:
    uint32_t elapsed_ = 0;
};

}  // namespace halmora
