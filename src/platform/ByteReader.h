// Reads little-endian fields one after another from a byte buffer. A read that would run past the
// end fails, leaves its output untouched and makes every later read fail too, so a parser can
// read a whole record and test Failed() once.
//
//   ByteReader in(bytes);
//   int32_t version = 0;
//   if (!in.ReadI32(version)) return Error("file ends early");
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace halmora {

class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool ReadU8(uint8_t& out) {
        if (!Take(1))
            return false;
        out = bytes_[pos_ - 1];
        return true;
    }

    bool ReadU32(uint32_t& out) {
        if (!Take(4))
            return false;
        const uint8_t* p = bytes_.data() + pos_ - 4;
        out = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
        return true;
    }

    bool ReadI32(int32_t& out) {
        uint32_t u = 0;
        if (!ReadU32(u))
            return false;
        out = static_cast<int32_t>(u);  // two's complement, well defined since C++20
        return true;
    }

    // Fills the whole of out, or nothing.
    bool ReadBytes(std::span<uint8_t> out) {
        if (!Take(out.size()))
            return false;
        const uint8_t* p = bytes_.data() + pos_ - out.size();
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = p[i];
        return true;
    }

    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    bool AtEnd() const { return pos_ == bytes_.size(); }
    bool Failed() const { return failed_; }

private:
    // Advances over n bytes if they are all there.
    bool Take(std::size_t n) {
        if (failed_ || n > bytes_.size() - pos_) {
            failed_ = true;
            return false;
        }
        pos_ += n;
        return true;
    }

    std::span<const uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace halmora
