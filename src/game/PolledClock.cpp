#include "game/PolledClock.h"

#include "platform/TickCount.h"

namespace halmora {

void CPolledClock::Start() {
    stopped_ = 0;
    lastTick_ = TickCount();
}

void CPolledClock::Stop() {
    stopped_ = 1;
    lastTick_ = TickCount();
}

uint32_t CPolledClock::Look() {
    if (stopped_ != 0)
        return 0;
    const uint32_t now = TickCount();
    const uint32_t elapsed = now - lastTick_;
    lastTick_ = now;
    return elapsed;
}

}  // namespace halmora
