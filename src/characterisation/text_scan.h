// Small readers over a paragraph of characterisation data: words ignoring case, decimal numbers,
// blanks. Positions are code-unit offsets into the text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace glyphwright {

struct DecimalNumber {
  std::size_t start = 0;
  std::size_t end = 0;  // one past the last digit
  double value = 0;
  int decimals = 0;  // digits after the point
};

bool IsAsciiLetter(char16_t c);
bool IsAsciiDigit(char16_t c);
// Blank, TAB, no-break space, thin and narrow spaces.
bool IsBlank(char16_t c);

// True when word (ASCII, lower case) stands at pos, compared ignoring case.
bool HasWordAt(std::u16string_view text, std::size_t pos, std::u16string_view word);
// The first pos in [from, to) where word starts as a word (no letter before it), or npos.
std::size_t FindWord(std::u16string_view text, std::u16string_view word, std::size_t from,
                     std::size_t to);

std::size_t SkipBlanks(std::u16string_view text, std::size_t pos);
// Skips blanks and any of the characters in punctuation.
std::size_t SkipBlanksAnd(std::u16string_view text, std::size_t pos,
                          std::u16string_view punctuation);

// Digits, optionally a point and more digits, at pos. A point must be followed by a digit.
bool ReadDecimal(std::u16string_view text, std::size_t pos, DecimalNumber& number);

// value with the given number of decimals, in ASCII digits.
std::u16string FixedText(double value, int decimals);

}  // namespace glyphwright
