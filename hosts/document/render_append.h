// What the writers append to a rendering, in either of its two forms: UTF-16 code units, as the
// library keeps text, or UTF-8 bytes, as the command line writes them. A writer is written once
// for both; each character is encoded as it is copied, so the bytes need no conversion pass.
//
// In the bytes, a surrogate pair becomes its one four-byte sequence even when its halves are
// appended apart (two runs, two calls), as long as nothing comes between them; a lone surrogate,
// which UTF-8 cannot carry, becomes U+FFFD, as the text's own conversion writes it. A high
// surrogate is held as its three-byte form until the next unit shows whether it is lone; Mend
// turns those left alone into U+FFFD before the bytes leave.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace glyphwright {

// ASCII text (a tag, an entity) held in both forms, so that each form copies its own.
class AsciiText {
 public:
  template <std::size_t N>
  consteval AsciiText(const char (&text)[N]) : size_(N - 1) {  // NOLINT: made from literals
    static_assert(N <= kMost, "AsciiText holds short texts");
    for (std::size_t i = 0; i + 1 < N; ++i) {
      narrow_[i] = text[i];
      wide_[i] = static_cast<char16_t>(text[i]);
    }
  }

  std::string_view Narrow() const { return {narrow_, size_}; }
  std::u16string_view Wide() const { return {wide_, size_}; }

 private:
  static constexpr std::size_t kMost = 48;
  char narrow_[kMost] = {};
  char16_t wide_[kMost] = {};
  std::size_t size_;
};

inline void Append(std::u16string& out, const AsciiText& text) {
  out += text.Wide();
}
inline void Append(std::string& out, const AsciiText& text) {
  out += text.Narrow();
}

inline void Append(std::u16string& out, char16_t unit) {
  out.push_back(unit);
}

namespace render_bytes {

inline bool IsHighSurrogateForm(const char* bytes) {
  return static_cast<unsigned char>(bytes[0]) == 0xED &&
         (static_cast<unsigned char>(bytes[1]) & 0xF0) == 0xA0;
}

// Beyond ASCII, kept out of the callers' loops.
[[gnu::noinline]] inline void AppendBeyondAscii(std::string& out, char16_t unit) {
  const auto byte = [](unsigned value) { return static_cast<char>(value); };
  if (unit < 0x800) {
    const char two[] = {byte(0xC0 | (unit >> 6)), byte(0x80 | (unit & 0x3F))};
    out.append(two, 2);
    return;
  }
  if (unit >= 0xDC00 && unit <= 0xDFFF) {
    const std::size_t size = out.size();
    if (size < 3 || !IsHighSurrogateForm(out.data() + size - 3)) {
      out += "\xEF\xBF\xBD";
      return;
    }
    const unsigned high = 0xD800 + ((static_cast<unsigned char>(out[size - 2]) & 0x0F) << 6) +
                          (static_cast<unsigned char>(out[size - 1]) & 0x3F);
    const unsigned code = 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00u);
    const char four[] = {byte(0xF0 | (code >> 18)), byte(0x80 | ((code >> 12) & 0x3F)),
                         byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F))};
    out.resize(size - 3);
    out.append(four, 4);
    return;
  }
  // A high surrogate too, in the three-byte form a lone one would have if UTF-8 allowed it.
  const char three[] = {byte(0xE0 | (unit >> 12)), byte(0x80 | ((unit >> 6) & 0x3F)),
                        byte(0x80 | (unit & 0x3F))};
  out.append(three, 3);
}

}  // namespace render_bytes

inline void Append(std::string& out, char16_t unit) {
  if (unit < 0x80) {
    out.push_back(static_cast<char>(unit));
  } else {
    render_bytes::AppendBeyondAscii(out, unit);
  }
}

// Text that is not ASCII as a whole (a style's class, a JSON string), unit by unit.
inline void Append(std::u16string& out, std::u16string_view text) {
  out += text;
}
inline void Append(std::string& out, std::u16string_view text) {
  for (const char16_t unit : text) Append(out, unit);
}

// Whether the rendering ends with a high surrogate whose low half may still come: it is not
// handed over yet.
inline bool EndsInHighSurrogate(const std::u16string& out) {
  return !out.empty() && out.back() >= 0xD800 && out.back() <= 0xDBFF;
}
inline bool EndsInHighSurrogate(const std::string& out) {
  return out.size() >= 3 && render_bytes::IsHighSurrogateForm(out.data() + out.size() - 3);
}

// Code units are final as written.
inline void Mend(std::u16string&) {}
// Every high surrogate still held alone becomes U+FFFD, of the same length. Only a surrogate
// writes 0xED followed by 0xA0 or more (U+D000 to U+D7FF go as 0xED 0x80-0x9F).
inline void Mend(std::string& out) {
  char* at = out.data();
  char* const end = at + out.size();
  while ((at = static_cast<char*>(std::memchr(at, 0xED, static_cast<std::size_t>(end - at))))) {
    if (end - at >= 3 && render_bytes::IsHighSurrogateForm(at)) {
      std::memcpy(at, "\xEF\xBF\xBD", 3);
      at += 3;
    } else {
      ++at;
    }
  }
}

}  // namespace glyphwright
