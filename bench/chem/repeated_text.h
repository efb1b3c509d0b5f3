// The large texts of the chemistry benchmarks: a piece repeated up to 1 MiB of UTF-16, padded
// with blanks so that no piece is cut in two.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace glyphwright {

inline constexpr std::size_t kLargeTextUnits = 512 * 1024;  // 1 MiB of UTF-16

inline std::u16string Repeat(std::u16string_view piece, std::size_t units) {
  std::u16string text;
  text.reserve(units);
  while (text.size() + piece.size() <= units) text += piece;
  text.append(units - text.size(), u' ');
  return text;
}

}  // namespace glyphwright
