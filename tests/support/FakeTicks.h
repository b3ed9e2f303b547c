// A tick count that tests drive by hand, installed for the life of the object, so that clocks,
// time budgets and animations are tested without sleeping.
//
//   ScopedFakeTicks ticks(1000);
//   clock.Start();
//   ticks.Advance(250);
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/TickCount.h"

namespace halmora::testing {

class ScopedFakeTicks {
public:
    explicit ScopedFakeTicks(uint32_t start = 0) : previous_(SetTickSource(&Read)) {
        Now().store(start);
    }
    ~ScopedFakeTicks() { SetTickSource(previous_); }
    ScopedFakeTicks(const ScopedFakeTicks&) = delete;
    ScopedFakeTicks& operator=(const ScopedFakeTicks&) = delete;

    void Set(uint32_t tick) { Now().store(tick); }
    void Advance(uint32_t ms) { Now().fetch_add(ms); }  // wraps like the real count
    uint32_t Get() const { return Now().load(); }

private:
    // A plain function pointer cannot carry state, so the fake time is one shared value.
    static std::atomic<uint32_t>& Now() {
        static std::atomic<uint32_t> now{0};
        return now;
    }
    static uint32_t Read() { return Now().load(); }

    TickSource previous_;
};

}  // namespace halmora::testing
