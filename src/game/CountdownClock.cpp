#include "game/CountdownClock.h"

#include <limits>

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

bool CCountdownClock::Update() {
    if (Stopped())
        return true;
    const uint32_t elapsed = Look();
    if (remaining_ <= elapsed) {
        remaining_ = 0;
        return false;
    }
    remaining_ -= elapsed;
    return true;
}

}  // namespace halmora
