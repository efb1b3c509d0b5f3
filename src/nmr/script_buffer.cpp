#include "nmr/script_buffer.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace glyphwright {

void ScriptBuffer::Value(int64_t value) {
  // A sign and 19 digits.
  std::array<char, 20> digits;
  const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  const auto length = static_cast<std::size_t>(end - digits.data());
  char16_t* out = Room(length + 2);
  *out++ = u'=';
  for (std::size_t k = 0; k < length; ++k) *out++ = static_cast<char16_t>(digits[k]);
  *out = u'\n';
  used_ += length + 2;
}

ScriptBuffer::ScriptBuffer(std::size_t expected) {
  text_.reserve(expected);
  text_.resize(std::min(expected, kClearedAhead));
}

// Doubling keeps a long script linear: each code unit is moved a bounded number of times.
void ScriptBuffer::Grow(std::size_t count) {
  const std::size_t needed = used_ + count;
  if (needed > text_.capacity()) text_.reserve(std::max(text_.capacity() * 2, needed));
  text_.resize(std::min(text_.capacity(), std::max(needed, text_.size() + kClearedAhead)));
}

}  // namespace glyphwright
