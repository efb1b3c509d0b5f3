#include "web/utf8_bytes.h"

#include <cstddef>
#include <cstdint>

namespace glyphwright::web {

namespace {

constexpr bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}
char Byte(uint32_t value) {
  return static_cast<char>(value);
}

}  // namespace

bool Utf8Bytes(std::u16string_view text, std::string& out, bool mostlyAscii) {
  const std::size_t size = text.size();
  out.resize(size);
  char* to = out.data();
  std::size_t at = 0;
  // The ASCII that opens the text (most often all of it) a block at a time, with one test a
  // block: a compiler can widen the loop.
  constexpr std::size_t kBlock = 16;
  while (size - at >= kBlock) {
    char16_t all = 0;
    for (std::size_t i = 0; i < kBlock; ++i) {
      all |= text[at + i];
      to[i] = static_cast<char>(text[at + i]);
    }
    if (all >= 0x80) break;
    at += kBlock;
    to += kBlock;
  }
  while (at < size && text[at] < 0x80) *to++ = static_cast<char>(text[at++]);
  if (at == size) return true;
  // Beyond it a unit takes at most three bytes (a pair, four for its two units).
  out.resize(at + (size - at) * 3);
  to = out.data() + at;
  const char* const begin = out.data();
  for (; at < size; ++at) {
    const char16_t unit = text[at];
    if (unit < 0x80) {
      *to++ = static_cast<char>(unit);
    } else if (unit < 0x800) {
      *to++ = Byte(0xC0 | (unit >> 6));
      *to++ = Byte(0x80 | (unit & 0x3F));
    } else if (!IsHighSurrogate(unit) && !IsLowSurrogate(unit)) {
      *to++ = Byte(0xE0 | (unit >> 12));
      *to++ = Byte(0x80 | ((unit >> 6) & 0x3F));
      *to++ = Byte(0x80 | (unit & 0x3F));
    } else if (IsHighSurrogate(unit) && at + 1 < size && IsLowSurrogate(text[at + 1])) {
      const uint32_t code = 0x10000 + ((unit - 0xD800u) << 10) + (text[++at] - 0xDC00u);
      *to++ = Byte(0xF0 | (code >> 18));
      *to++ = Byte(0x80 | ((code >> 12) & 0x3F));
      *to++ = Byte(0x80 | ((code >> 6) & 0x3F));
      *to++ = Byte(0x80 | (code & 0x3F));
    } else {
      std::string().swap(out);
      return false;
    }
    if (mostlyAscii && static_cast<std::size_t>(to - begin) > (at + 1) * 5 / 4 + 64) {
      std::string().swap(out);
      return false;
    }
  }
  out.resize(static_cast<std::size_t>(to - out.data()));
  return true;
}

std::u16string Utf16Units(std::string_view bytes) {
  std::u16string units;
  units.resize(bytes.size());
  char16_t* to = units.data();
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
  const std::size_t size = bytes.size();
  for (std::size_t at = 0; at < size;) {
    const unsigned lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0x80) {
      *to++ = static_cast<char16_t>(lead);
      ++at;
      continue;
    }
    bool whole = lead >= 0xC0 && lead < 0xF8 && at + length <= size;
    for (std::size_t i = 1; whole && i < length; ++i) whole = (byte(at + i) & 0xC0) == 0x80;
    if (!whole) {
      *to++ = u'\uFFFD';
      ++at;
      continue;
    }
    uint32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (byte(at + i) & 0x3F);
    if (code > 0x10FFFF) {
      *to++ = u'\uFFFD';
    } else if (code >= 0x10000) {
      *to++ = static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      *to++ = static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      *to++ = static_cast<char16_t>(code);
    }
    at += length;
  }
  units.resize(static_cast<std::size_t>(to - units.data()));
  return units;
}

}  // namespace glyphwright::web
