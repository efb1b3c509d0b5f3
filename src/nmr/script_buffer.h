// The NMR queries' script writer. A peak is twenty to forty lines of a few characters each, so a
// library call per line (a capacity check, a copy of unknown length, the terminator) would cost
// more than the characters: here each line is an inline copy into one buffer, and a line known
// when the query is compiled is copied with its length known too. The lines are those of
// ScriptWriter: "=" and a value, or a command word, each ended by LF.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace glyphwright {

class ScriptBuffer {
 public:
  // Room for about this many code units before the buffer is first moved.
  explicit ScriptBuffer(std::size_t expected);

  // Text copied as it stands: several whole lines, or the middle of one.
  void Append(std::u16string_view text) {
    std::memcpy(Room(text.size()), text.data(), text.size() * sizeof(char16_t));
    used_ += text.size();
  }
  // Lines fixed when the query is compiled, copied with their length known.
  template <std::size_t N>
  void Append(const char16_t (&lines)[N]) {
    std::memcpy(Room(N - 1), lines, (N - 1) * sizeof(char16_t));
    used_ += N - 1;
  }

  void Value(std::u16string_view value) {
    char16_t* out = Room(value.size() + 2);
    *out++ = u'=';
    std::memcpy(out, value.data(), value.size() * sizeof(char16_t));
    out[value.size()] = u'\n';
    used_ += value.size() + 2;
  }
  // In decimal, "-" for negatives, no blanks and no leading zeros.
  void Value(int64_t value);

  // The value line of text and the command TypeText, the line pair of almost every item.
  void TypeText(std::u16string_view text) {
    Value(text);
    Append(u"TypeText\n");
  }

  std::size_t Size() const { return used_; }

  // The script; the buffer is spent.
  std::u16string Take() && {
    text_.resize(used_);
    return std::move(text_);
  }

 private:
  // Where the next count code units go, growing the buffer when they do not fit.
  char16_t* Room(std::size_t count) {
    if (text_.size() - used_ < count) Grow(count);
    return text_.data() + used_;
  }
  void Grow(std::size_t count);

  // The room is cleared (a string's size is all made of characters) a stretch at a time just
  // ahead of the writing: a long script cleared in one sweep would have left the caches before
  // its lines reach it.
  static constexpr std::size_t kClearedAhead = 4096;

  // Written up to used_; the rest is room.
  std::u16string text_;
  std::size_t used_ = 0;
};

}  // namespace glyphwright
