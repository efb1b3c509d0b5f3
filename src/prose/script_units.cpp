#include "prose/script_units.h"

#include <cstddef>

namespace glyphwright::prose {
namespace {

// The next line of script from `at`, without its LF; `at` moves past the LF.
bool NextLine(std::u16string_view script, std::size_t& at, std::u16string_view& line) {
  if (at >= script.size()) return false;
  const std::size_t end = script.find(u'\n', at);
  if (end == std::u16string_view::npos) return false;
  line = script.substr(at, end - at);
  at = end + 1;
  return true;
}

bool ReadInteger(std::u16string_view text, int64_t& value) {
  if (text.empty() || text.size() > 18) return false;
  std::size_t i = 0;
  const bool negative = text[0] == u'-';
  if (negative) i = 1;
  if (i == text.size()) return false;
  int64_t number = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return false;
    number = number * 10 + (text[i] - u'0');
  }
  value = negative ? -number : number;
  return true;
}

}  // namespace

int64_t LengthOf(const ScriptUnit& unit) {
  int64_t length = 0;
  return ReadInteger(unit.second, length) ? length : 0;
}

void ReadUnits(std::u16string_view script, std::vector<ScriptUnit>& units) {
  std::size_t at = 0;
  std::u16string_view first;
  std::u16string_view second;
  std::u16string_view word;
  while (NextLine(script, at, first) && NextLine(script, at, second) &&
         NextLine(script, at, word)) {
    ScriptUnit unit;
    if (first.empty() || first[0] != u'=' || second.empty() || second[0] != u'=' ||
        !ReadInteger(first.substr(1), unit.first))
      return;
    unit.second = second.substr(1);
    unit.word = word;
    units.push_back(unit);
  }
}

}  // namespace glyphwright::prose
