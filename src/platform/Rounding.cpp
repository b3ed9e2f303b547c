#include "platform/Rounding.h"

#include <cmath>
#include <limits>

namespace halmora {
namespace {

int32_t ToInt32(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= 2147483648.0)
        return std::numeric_limits<int32_t>::max();
    if (v < -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

}  // namespace

int32_t RoundByRule(float v) {
    const float down = std::floor(v);
    // The fraction is taken in single precision and compared in double: a value near 0.44445
    // rounds the same way on every machine, so stored ratings and layouts never move.
    return ToInt32(v - down < 0.44445 ? down : std::ceil(v));
}

int32_t RoundByRule(double v) {
    const double down = std::floor(v);
    return ToInt32(v - down < 0.44445 ? down : std::ceil(v));
}

}  // namespace halmora
