// Seconds since a start, scaled by a factor: times the board rotation and similar short
// effects. It has no stop; the owner simply stops reading it.
#pragma once

#include <cstdint>

namespace halmora {

class CStopwatch {
public:
    void Start(float factor);
    // (now - start) x factor / 1000; exactly 0 in the millisecond of the start. A stopwatch
    // never started reads 0.
    double Elapsed() const;

private:
    uint32_t startTick_ = 0;
    float factor_ = 0.0f;
};

}  // namespace halmora
