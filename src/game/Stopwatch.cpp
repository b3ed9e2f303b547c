#include "game/Stopwatch.h"

#include "platform/TickCount.h"

namespace halmora {

void CStopwatch::Start(float factor) {
    startTick_ = TickCount();
    factor_ = factor;
}

double CStopwatch::Elapsed() const {
    const uint32_t ticks = TickCount() - startTick_;  // unsigned: right across the wrap
    if (ticks == 0)
        return 0.0;
    // Ticks times factor is a float product; only the scaling to seconds is in double.
    const float scaled = static_cast<float>(ticks) * factor_;
    return static_cast<double>(scaled) * 0.001;
}

}  // namespace halmora
