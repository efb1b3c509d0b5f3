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

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace glyphwright {

// ASCII text (a tag, an entity) held in both forms, so that each form copies its own.
class AsciiText {
 public:
  // Every AsciiText has room for this many units, so it is copied whole, at a fixed length, and
  // the rendering then counts only its own.
  static constexpr std::size_t kRoom = 40;

  template <std::size_t N>
  consteval AsciiText(const char (&text)[N]) : size_(N - 1) {  // NOLINT: made from literals
    static_assert(N <= kRoom, "AsciiText holds short texts");
    for (std::size_t i = 0; i + 1 < N; ++i) {
      narrow_[i] = text[i];
      wide_[i] = static_cast<char16_t>(text[i]);
    }
  }

  std::size_t size() const { return size_; }
  // kRoom units, the text first.
  const char* Room(char) const { return narrow_; }
  const char16_t* Room(char16_t) const { return wide_; }

 private:
  char narrow_[kRoom] = {};
  char16_t wide_[kRoom] = {};
  std::size_t size_;
};

// A rendering as it is written: a string with room made ahead, so that a tag is copied at a fixed
// length, without a call, and a character with one test. The rendering is the first size()
// units; the room after them is the string's too, filled as it grows.
template <class Char>
class RenderBuffer {
 public:
  using String = std::basic_string<Char>;
  using value_type = Char;

  // Address space for `units`; the string grows into it without being copied.
  void reserve(std::size_t units) { text_.reserve(units + AsciiText::kRoom); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  Char back() const { return text_[size_ - 1]; }
  Char* data() { return text_.data(); }
  std::basic_string_view<Char> View() const { return {text_.data(), size_}; }
  void clear() { size_ = 0; }
  // The rendering's last units dropped, down to `size`.
  void CutTo(std::size_t size) { size_ = size; }
  // The rendering, the buffer left empty.
  String Take() {
    text_.resize(size_);
    size_ = 0;
    return std::move(text_);
  }

  // At least `units` units to write at, for Advance to count.
  Char* Room(std::size_t units) {
    if (text_.size() - size_ < units) Grow(units);
    return text_.data() + size_;
  }
  void Advance(std::size_t units) { size_ += units; }

  void push_back(Char unit) {
    *Room(1) = unit;
    ++size_;
  }
  RenderBuffer& operator+=(std::basic_string_view<Char> text) {
    std::copy(text.begin(), text.end(), Room(text.size()));
    size_ += text.size();
    return *this;
  }

 private:
  // Half as much again, so that growing costs a fixed share of what is written; the string's
  // reserved room is used before any is copied.
  void Grow(std::size_t units) {
    const std::size_t least = size_ + units;
    std::size_t grown = std::max({least, text_.size() + text_.size() / 2, std::size_t{4096}});
    if (least <= text_.capacity()) grown = std::min(grown, text_.capacity());
    text_.resize(grown);
  }

  String text_;
  std::size_t size_ = 0;
};

// Inline always: a call would cost more than the copy.
template <class Char>
[[gnu::always_inline]] inline void Append(RenderBuffer<Char>& out, const AsciiText& text) {
  std::memcpy(out.Room(AsciiText::kRoom), text.Room(Char{}), AsciiText::kRoom * sizeof(Char));
  out.Advance(text.size());
}

inline void Append(RenderBuffer<char16_t>& out, char16_t unit) {
  out.push_back(unit);
}

namespace render_bytes {

inline bool IsHighSurrogateForm(const char* bytes) {
  return static_cast<unsigned char>(bytes[0]) == 0xED &&
         (static_cast<unsigned char>(bytes[1]) & 0xF0) == 0xA0;
}

// Beyond ASCII, kept out of the callers' loops.
[[gnu::noinline]] inline void AppendBeyondAscii(RenderBuffer<char>& out, char16_t unit) {
  const auto byte = [](unsigned value) { return static_cast<char>(value); };
  char* const at = out.Room(4);
  if (unit < 0x800) {
    at[0] = byte(0xC0 | (unit >> 6));
    at[1] = byte(0x80 | (unit & 0x3F));
    out.Advance(2);
    return;
  }
  if (unit >= 0xDC00 && unit <= 0xDFFF) {
    if (out.size() < 3 || !IsHighSurrogateForm(at - 3)) {
      std::memcpy(at, "\xEF\xBF\xBD", 3);
      out.Advance(3);
      return;
    }
    const unsigned high = 0xD800 + ((static_cast<unsigned char>(at[-2]) & 0x0F) << 6) +
                          (static_cast<unsigned char>(at[-1]) & 0x3F);
    const unsigned code = 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00u);
    at[-3] = byte(0xF0 | (code >> 18));
    at[-2] = byte(0x80 | ((code >> 12) & 0x3F));
    at[-1] = byte(0x80 | ((code >> 6) & 0x3F));
    at[0] = byte(0x80 | (code & 0x3F));
    out.Advance(1);
    return;
  }
  // A high surrogate too, in the three-byte form a lone one would have if UTF-8 allowed it.
  at[0] = byte(0xE0 | (unit >> 12));
  at[1] = byte(0x80 | ((unit >> 6) & 0x3F));
  at[2] = byte(0x80 | (unit & 0x3F));
  out.Advance(3);
}

}  // namespace render_bytes

inline void Append(RenderBuffer<char>& out, char16_t unit) {
  if (unit < 0x80) {
    out.push_back(static_cast<char>(unit));
  } else {
    render_bytes::AppendBeyondAscii(out, unit);
  }
}

// Text that is not ASCII as a whole (a style's class, a JSON string), unit by unit.
inline void Append(RenderBuffer<char16_t>& out, std::u16string_view text) {
  out += text;
}
inline void Append(RenderBuffer<char>& out, std::u16string_view text) {
  for (const char16_t unit : text) Append(out, unit);
}

// Whether the rendering ends with a high surrogate whose low half may still come: it is not
// handed over yet.
inline bool EndsInHighSurrogate(const RenderBuffer<char16_t>& out) {
  return !out.empty() && out.back() >= 0xD800 && out.back() <= 0xDBFF;
}
inline bool EndsInHighSurrogate(RenderBuffer<char>& out) {
  return out.size() >= 3 && render_bytes::IsHighSurrogateForm(out.data() + out.size() - 3);
}

// Code units are final as written.
inline void Mend(RenderBuffer<char16_t>&) {}
// Every high surrogate still held alone becomes U+FFFD, of the same length. Only a surrogate
// writes 0xED followed by 0xA0 or more (U+D000 to U+D7FF go as 0xED 0x80-0x9F).
inline void Mend(RenderBuffer<char>& out) {
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

// Text of the rendering's form, made apart (a style's class): the same units a rendering would
// hold for it.
template <class Char>
std::basic_string<Char> InForm(std::u16string_view text) {
  RenderBuffer<Char> out;
  Append(out, text);
  Mend(out);
  return out.Take();
}

}  // namespace glyphwright
