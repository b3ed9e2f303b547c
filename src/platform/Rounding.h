// The program's own rounding, used by the board drawing, the move animation and the ratings: a
// value whose fraction v - floor(v) is below 0.44445 goes down, any other value up. Values beyond
// the 32-bit range are clamped to it.
#pragma once

#include <cstdint>

namespace halmora {

int32_t RoundByRule(float v);
int32_t RoundByRule(double v);

}  // namespace halmora
