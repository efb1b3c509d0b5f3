#include "web/run_and_write_units.h"

#include <charconv>

namespace glyphwright::web {

namespace {

// "=" and an integer's decimal digits and LF: at most 22 characters.
char* ValueLine(char* at, int64_t value) {
  *at++ = '=';
  at = std::to_chars(at, at + 20, value).ptr;
  *at++ = '\n';
  return at;
}

bool IsAscii(std::u16string_view word) {
  char16_t all = 0;
  for (const char16_t unit : word) all |= unit;
  return all < 0x80;
}

}  // namespace

void RunAndWriteUnits::Widen() {
  script_.wide.assign(script_.ascii.begin(), script_.ascii.end());
  std::string().swap(script_.ascii);
  script_.isAscii = false;
}

void RunAndWriteUnits::Unit(std::u16string_view word, int64_t first, int64_t second) {
  if (script_.isAscii && !IsAscii(word)) Widen();
  WriteLines(word, first, second);
  // The runner takes the integers as they are: the same as their value lines, without reading
  // them back.
  runner_.RunUnit(first, second, word);
}

void RunAndWriteUnits::Units(std::u16string_view word, std::span<const UnitIntegers> units) {
  if (script_.isAscii && !IsAscii(word)) Widen();
  for (const UnitIntegers& unit : units) WriteLines(word, unit.first, unit.second);
  runner_.RunUnits(word, units);
}

void RunAndWriteUnits::WriteLines(std::u16string_view word, int64_t first, int64_t second) {
  char lines[48];
  char* const linesEnd = ValueLine(ValueLine(lines, first), second);
  if (script_.isAscii) {
    std::string& out = script_.ascii;
    // Written in place: the string grows once for the unit, not a call a character.
    const std::size_t at = out.size();
    const std::size_t valueLength = static_cast<std::size_t>(linesEnd - lines);
    out.resize(at + valueLength + word.size() + 1);
    char* to = out.data() + at;
    for (const char* from = lines; from != linesEnd; ++from) *to++ = *from;
    for (const char16_t unit : word) *to++ = static_cast<char>(unit);
    *to = '\n';
  } else {
    script_.wide.append(lines, linesEnd).append(word).append(1, u'\n');
  }
}

}  // namespace glyphwright::web
