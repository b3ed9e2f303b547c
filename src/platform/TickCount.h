// The millisecond tick count that every clock, time budget and animation reads. It wraps from
// 2^32 - 1 to 0 (about every 49.7 days), so elapsed times are taken as unsigned 32-bit
// differences, which stay right across the wrap.
//
//   const uint32_t start = TickCount();
//   ...
//   const uint32_t elapsed = TickCount() - start;
#pragma once

#include <cstdint>

namespace halmora {

using TickSource = uint32_t (*)();

// Milliseconds of the monotonic clock, or of the installed source. Safe from any thread.
uint32_t TickCount();

// Makes TickCount() answer from source (nullptr: the monotonic clock again) and returns the
// source that was installed before. For tests, which drive time by hand instead of sleeping.
TickSource SetTickSource(TickSource source);

}  // namespace halmora
