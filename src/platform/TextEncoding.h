// GBK, the code page the program's files have always stored names in, and UTF-8, what the rest of
// the program works with. Names sit in 32-byte zero-terminated fields of the settings, statistics
// and saved-game files, so that 15 Chinese characters fit. Nothing here throws or fails: bytes
// that are not GBK read as U+FFFD, and characters GBK lacks are written as '?'.
//
//   GbkName field = ToGbkName("张三");           // D5 C5 C8 FD 00 ...
//   std::string shown = GbkNameToUtf8(field);   // "张三"
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace halmora {

inline constexpr std::size_t kGbkNameBytes = 32;
using GbkName = std::array<uint8_t, kGbkNameBytes>;

// Every byte of gbk, a zero byte included; each byte that does not begin a valid GBK character
// becomes U+FFFD and reading goes on with the next byte.
std::string GbkToUtf8(std::string_view gbk);

// The GBK bytes of utf8, at most maxBytes of them: conversion stops before the first character
// that would not fit whole. A character GBK lacks, and each byte that is not valid UTF-8, is
// written as '?'.
std::string Utf8ToGbk(std::string_view utf8, std::size_t maxBytes = SIZE_MAX);

// Fills the whole field: the GBK text of utf8 (up to its first zero, if any), cut so that at least
// one zero follows it, then zeros.
void StoreGbkName(std::string_view utf8, std::span<uint8_t> field);
GbkName ToGbkName(std::string_view utf8);

// The bytes of a field before its first zero; all of them when it has none.
std::string_view GbkNameBytes(std::span<const uint8_t> field);
std::string GbkNameToUtf8(std::span<const uint8_t> field);

}  // namespace halmora
