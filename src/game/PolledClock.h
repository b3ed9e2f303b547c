// What the game's clocks share: nothing runs in the background; a clock runs between Start and
// Stop, and the game tick's Update charges the time since the clock was last looked at.
#pragma once

#include <cstdint>

namespace halmora {

class CPolledClock {
public:
    void Start();
    // Charges nothing since the last look.
    void Stop();
    bool Stopped() const { return stopped_ != 0; }

protected:
    // The milliseconds since the last look, which is now; 0 while stopped. Unsigned, so right
    // across the wrap of the tick count.
    uint32_t Look();

private:
    uint8_t stopped_ = 1;
    uint32_t lastTick_ = 0;
};

}  // namespace halmora
