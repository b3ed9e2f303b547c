// A player's clock when a game is played with clocks: it runs down while the player chooses a
// move, and the player loses when it reaches zero. Nothing runs in the background; the game tick
// calls Update, which charges the time since the clock was last looked at.
//
//   clock.Set(SecondsToClockMs(initialSeconds));
//   clock.Add(SecondsToClockMs(secondsPerMove));
//   clock.Start();
//   ...
//   if (!clock.Update()) { /* out of time */ }
#pragma once

#include <cstdint>

#include "game/PolledClock.h"

namespace halmora {

// Seconds from the settings or a saved game as clock milliseconds. Any int is accepted: the
// product is taken in 64 bits, a negative time is no time and a huge one saturates.
uint32_t SecondsToClockMs(int64_t seconds);

class CCountdownClock : public CPolledClock {
public:
    void Reset();

    void Set(uint32_t ms) { remaining_ = ms; }
    uint32_t Get() const { return remaining_; }
    // Saturates rather than wrapping round to a nearly empty clock.
    void Add(uint32_t ms);

    // Stop charges nothing: a move reported done in the same tick counts even if time ran out.

    // Charges the time since the last look; false once the clock is at 0 (reaching 0 exactly
    // loses). A stopped clock loses nothing and answers true.
    bool Update();

private:
    uint32_t remaining_ = 0;
};

}  // namespace halmora
