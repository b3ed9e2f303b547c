// Appends little-endian fields to a growing byte buffer; the counterpart of ByteReader.
//
//   ByteWriter out;
//   out.WriteI32(1);
//   std::vector<uint8_t> bytes = std::move(out).Take();
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace halmora {

class ByteWriter {
public:
    void WriteU8(uint8_t v) { bytes_.push_back(v); }

    void WriteU32(uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes_.push_back(static_cast<uint8_t>(v >> shift));
    }

    void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }

    void WriteBytes(std::span<const uint8_t> block) {
        bytes_.insert(bytes_.end(), block.begin(), block.end());
    }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> Take() && { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace halmora
