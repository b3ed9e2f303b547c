#include "cli/Args.h"

#include <cerrno>
#include <cstdlib>

namespace halmora::cli {

bool ParseNumber(const char* text, long min, long max, long& out) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno != 0 || v < min || v > max)
        return false;
    out = v;
    return true;
}

}  // namespace halmora::cli
