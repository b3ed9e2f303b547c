#include "platform/TickCount.h"

#include <atomic>
#include <chrono>

namespace halmora {
namespace {

uint32_t SteadyTicks() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(ms.count());  // keeps the low 32 bits: the count wraps
}

// Read by the search threads while a test may install a fake on the main thread.
std::atomic<TickSource> g_source{&SteadyTicks};

}  // namespace

uint32_t TickCount() {
    return g_source.load(std::memory_order_acquire)();
}

TickSource SetTickSource(TickSource source) {
    return g_source.exchange(source != nullptr ? source : &SteadyTicks, std::memory_order_acq_rel);
}

}  // namespace halmora
