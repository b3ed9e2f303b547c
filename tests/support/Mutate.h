// Damages a file's bytes the way disks and other programs do: one to four random edits, each a
// byte replaced, a bit flipped, a byte removed or inserted, or a 32-bit field overwritten.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace halmora::testing {

inline std::vector<uint8_t> Mutate(std::vector<uint8_t> bytes, std::mt19937& random) {
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        const std::size_t at = random() % bytes.size();
        switch (random() % 5) {
            case 0:
                bytes[at] = static_cast<uint8_t>(random());
                break;
            case 1:
                bytes[at] ^= static_cast<uint8_t>(1u << (random() % 8));
                break;
            case 2:
                bytes.erase(bytes.begin() + static_cast<long>(at));
                break;
            case 3:
                bytes.insert(bytes.begin() + static_cast<long>(at), static_cast<uint8_t>(random()));
                break;
            default: {
                const uint32_t v = static_cast<uint32_t>(random());
                for (std::size_t k = 0; k < 4 && at + k < bytes.size(); ++k)
                    bytes[at + k] = static_cast<uint8_t>(v >> (8 * k));
                break;
            }
        }
    }
    return bytes;
}

}  // namespace halmora::testing
