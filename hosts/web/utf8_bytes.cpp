#include "web/utf8_bytes.h"

#include <cstddef>

#include "text/utf8.h"

namespace glyphwright::web {

namespace {

constexpr bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
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
  // Beyond it: every surrogate one of a pair, and how long the bytes grow, before any is written,
  // so that the room made is the bytes' own.
  std::size_t length = at;
  for (std::size_t i = at; i < size; ++i) {
    const char16_t unit = text[i];
    if (unit < 0x80) {
      ++length;
      // Even here, the text is ASCII for the most part: a block at a time, one test a block.
      while (size - i > kBlock) {
        char16_t all = 0;
        for (std::size_t k = 1; k <= kBlock; ++k) all |= text[i + k];
        if (all >= 0x80) break;
        i += kBlock;
        length += kBlock;
      }
    } else if (unit < 0x800) {
      length += 2;
    } else if (!IsHighSurrogate(unit) && !IsLowSurrogate(unit)) {
      length += 3;
    } else if (IsHighSurrogate(unit) && i + 1 < size && IsLowSurrogate(text[i + 1])) {
      length += 4;
      ++i;
    } else {
      std::string().swap(out);
      return false;
    }
    if (mostlyAscii && length > (i + 1) * 5 / 4 + 64) {
      std::string().swap(out);
      return false;
    }
  }
  out.resize(length);
  EncodeUtf8(text.substr(at), out.data() + at);
  return true;
}

}  // namespace glyphwright::web
