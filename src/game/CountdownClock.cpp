#include "game/CountdownClock.h"

#include <limits>

#include "platform/TickCount.h"

namespace halmora {

uint32_t SecondsToClockMs(int64_t seconds) {
    constexpr int64_t kMaxSeconds = std::numeric_limits<uint32_t>::max() / 1000;
    if (seconds <= 0)
        return 0;
    if (seconds > kMaxSeconds)
        return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(seconds * 1000);
}

void CCountdownClock::Reset() {
    *this = CCountdownClock{};
}

void CCountdownClock::Add(uint32_t ms) {
    const uint32_t room = std::numeric_limits<uint32_t>::max() - remaining_;
    remaining_ += ms < room ? ms : room;
}

void CCountdownClock::Start() {
    stopped_ = 0;
    lastTick_ = TickCount();
}

void CCountdownClock::Stop() {
    stopped_ = 1;
    lastTick_ = TickCount();
}

bool CCountdownClock::Update() {
    if (stopped_ != 0)
        return true;
    const uint32_t now = TickCount();
    const uint32_t elapsed = now - lastTick_;  // unsigned: right across the wrap of the count
    lastTick_ = now;
    if (remaining_ <= elapsed) {
        remaining_ = 0;
        return false;
    }
    remaining_ -= elapsed;
    return true;
}

}  // namespace halmora
