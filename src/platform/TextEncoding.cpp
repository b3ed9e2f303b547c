#include "platform/TextEncoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace halmora {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// One conversion descriptor per call: iconv_t must not be shared between threads, and names
// are short.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(::iconv_open(to, from)) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() {
        if (Ok())
            ::iconv_close(cd_);
    }

    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts in from where it starts, appending to out; returns 0 when all of it was
    // converted, otherwise errno (EILSEQ, EINVAL) with in advanced past what was converted.
    int Convert(std::string_view& in, std::string& out) {
        char* src = const_cast<char*>(in.data());  // iconv's signature; it only reads
        std::size_t srcLeft = in.size();
        int err = 0;
        while (srcLeft > 0) {
            char buffer[256];
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t r = ::iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (r != static_cast<std::size_t>(-1))
                continue;
            if (errno != E2BIG) {
                err = errno;
                break;
            }
        }
        in.remove_prefix(in.size() - srcLeft);
        ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        return err;
    }

private:
    iconv_t cd_;
};

// The length of the well-formed UTF-8 character at the start of s, or 0 when it is not one
// (overlong forms, surrogates and values above U+10FFFF included).
std::size_t Utf8CharLength(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<uint8_t>(s[i]); };
    const auto cont = [&](std::size_t i) { return i < s.size() && (b(i) & 0xC0) == 0x80; };
    const uint8_t lead = b(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return cont(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!cont(1) || !cont(2))
            return 0;
        if ((lead == 0xE0 && b(1) < 0xA0) || (lead == 0xED && b(1) > 0x9F))
            return 0;
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!cont(1) || !cont(2) || !cont(3))
            return 0;
        if ((lead == 0xF0 && b(1) < 0x90) || (lead == 0xF4 && b(1) > 0x8F))
            return 0;
        return 4;
    }
    return 0;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    std::string out;
    Converter converter("UTF-8", "GBK");
    while (!gbk.empty()) {
        if (!converter.Ok()) {
            // Without the converter only ASCII can be trusted.
            const uint8_t c = static_cast<uint8_t>(gbk.front());
            if (c < 0x80)
                out.push_back(static_cast<char>(c));
            else
                out.append(kReplacement);
            gbk.remove_prefix(1);
            continue;
        }
        if (converter.Convert(gbk, out) == 0)
            break;
        // An invalid byte, or a lead byte cut off at the end: show one replacement and go on
        // with the next byte.
        out.append(kReplacement);
        gbk.remove_prefix(1);
    }
    return out;
}

std::string Utf8ToGbk(std::string_view utf8, std::size_t maxBytes) {
    std::string out;
    Converter converter("GBK", "UTF-8");
    while (!utf8.empty()) {
        std::string one;
        const std::size_t length = Utf8CharLength(utf8);
        if (length == 0) {
            one = "?";
            utf8.remove_prefix(1);
        } else {
            std::string_view character = utf8.substr(0, length);
            utf8.remove_prefix(length);
            if (length == 1)
                one = character;
            else if (!converter.Ok() || converter.Convert(character, one) != 0)
                one = "?";
        }
        if (one.size() > maxBytes - out.size())
            break;
        out += one;
    }
    return out;
}

void StoreGbkName(std::string_view utf8, std::span<uint8_t> field) {
    std::fill(field.begin(), field.end(), uint8_t{0});
    if (field.empty())
        return;
    const std::string gbk = Utf8ToGbk(utf8.substr(0, utf8.find('\0')), field.size() - 1);
    std::copy(gbk.begin(), gbk.end(), field.begin());
}

GbkName ToGbkName(std::string_view utf8) {
    GbkName field{};
    StoreGbkName(utf8, field);
    return field;
}

std::string_view GbkNameBytes(std::span<const uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), uint8_t{0});
    return {reinterpret_cast<const char*>(field.data()),
            static_cast<std::size_t>(end - field.begin())};
}

std::string GbkNameToUtf8(std::span<const uint8_t> field) {
    return GbkToUtf8(GbkNameBytes(field));
}

}  // namespace halmora
