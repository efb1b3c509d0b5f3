#include "prose/reference_finder.h"

#include <algorithm>
#include <cstddef>

#include "prose/script_units.h"
#include "text/char_class.h"

namespace glyphwright::prose {
namespace {

bool IsNameChar(char16_t c) {
  return IsDigitChar(c) || IsUpperChar(c) || IsLowerChar(c) || c == u'.' || c == u' ';
}

// How far references are read past their anchor: the pages and a year in parentheses.
constexpr std::size_t kReach = 160;

bool IsYear(std::u16string_view digits) {
  return digits.size() == 4 &&
         (digits.starts_with(u"18") || digits.starts_with(u"19") || digits.starts_with(u"20"));
}

// A word of one capital and a full stop: an author's initial, or the J. of a journal.
bool IsInitial(std::u16string_view text, std::size_t start, std::size_t end) {
  return end - start == 2 && IsUpperChar(text[start]) && text[start + 1] == u'.';
}

// The start of the journal name that ends at nameEnd, or npos.
std::size_t NameStart(std::u16string_view text, std::size_t nameEnd) {
  std::size_t p = nameEnd;
  while (p > 0) {
    const char16_t c = text[p - 1];
    if (IsNameChar(c)) {
      --p;
      continue;
    }
    // 'Angew. Chem., Int. Ed.': a comma after an abbreviation, before a word that is no initial.
    if (c == u',' && p >= 2 && text[p - 2] == u'.' && p + 2 < nameEnd && text[p] == u' ' &&
        IsUpperChar(text[p + 1]) && IsLowerChar(text[p + 2])) {
      --p;
      continue;
    }
    break;
  }
  // The name ends in a capitalised word; most commas before a number (2.5 M in hexanes, 4.4 mL)
  // have none, and need no more reading.
  std::size_t lastEnd = nameEnd;
  while (lastEnd > p && (text[lastEnd - 1] == u' ' || text[lastEnd - 1] == u',')) --lastEnd;
  std::size_t lastStart = lastEnd;
  while (lastStart > p && text[lastStart - 1] != u' ' && text[lastStart - 1] != u',') --lastStart;
  if (lastStart == lastEnd || !IsUpperChar(text[lastStart])) return std::u16string_view::npos;
  // The words from p to nameEnd; the name is the capitalised words after the last other one.
  std::vector<std::pair<std::size_t, std::size_t>> words;
  for (std::size_t i = p; i < nameEnd;) {
    while (i < nameEnd && (text[i] == u' ' || text[i] == u',')) ++i;
    std::size_t j = i;
    while (j < nameEnd && text[j] != u' ' && text[j] != u',') ++j;
    if (j > i) words.emplace_back(i, j);
    i = j;
  }
  std::size_t first = words.size();
  while (first > 0 && IsUpperChar(text[words[first - 1].first])) --first;
  if (first == words.size()) return std::u16string_view::npos;
  // Author initials before the name: all but a last J., which opens most journal names.
  std::size_t initials = first;
  while (initials < words.size() && IsInitial(text, words[initials].first, words[initials].second))
    ++initials;
  if (initials > first) {
    const auto& last = words[initials - 1];
    first = text[last.first] == u'J' && initials < words.size() ? initials - 1 : initials;
  }
  if (first == words.size()) return std::u16string_view::npos;
  return words[first].first;
}

}  // namespace

void FindReferences(std::u16string_view text, std::u16string_view folded,
                    const JournalQuery& journal, std::vector<FoundReference>& found) {
  const std::size_t n = folded.size();
  std::size_t resumeAt = 0;
  std::vector<ScriptUnit> units;
  for (std::size_t c = folded.find(u','); c != std::u16string_view::npos;
       c = folded.find(u',', c + 1)) {
    if (c < resumeAt) continue;
    const bool yearFirst = c >= 6 && folded[c - 5] == u' ' && IsDigitChar(folded[c - 4]) &&
                           IsDigitChar(folded[c - 3]) && IsDigitChar(folded[c - 2]) &&
                           IsDigitChar(folded[c - 1]);
    const bool nameComma =
        c + 3 < n && folded[c + 1] == u' ' &&
        (IsDigitChar(folded[c + 2]) || (folded[c + 2] == u'(' && IsDigitChar(folded[c + 3])));
    if (!yearFirst && !nameComma) continue;
    if (yearFirst && !IsYear(folded.substr(c - 4, 4))) continue;
    const std::size_t nameEnd = yearFirst ? c - 5 : c;
    const std::size_t start = NameStart(folded, nameEnd);
    if (start == std::u16string_view::npos || start >= nameEnd || start < resumeAt) continue;
    std::size_t end = std::min(n, c + kReach);
    const std::size_t lineEnd = folded.substr(c, end - c).find_first_of(u"\r\n");
    if (lineEnd != std::u16string_view::npos) end = c + lineEnd;
    std::u16string script = journal.GetCommands(text.substr(start, end - start));
    units.clear();
    ReadUnits(script, units);
    if (units.empty()) continue;
    // The match must be the reference of this anchor: its name ends where the anchor says.
    const ScriptUnit& name = units.front();
    if (name.first + LengthOf(name) != static_cast<int64_t>(nameEnd - start)) continue;
    int64_t reach = 0;
    for (const ScriptUnit& unit : units) {
      reach = std::max<int64_t>(reach, unit.first + LengthOf(unit));
    }
    const std::u16string_view nameText = folded.substr(start + static_cast<std::size_t>(name.first),
                                                       static_cast<std::size_t>(LengthOf(name)));
    const bool abbreviated = nameText.find(u'.') != std::u16string_view::npos;
    const bool hasVolume = units.size() >= (yearFirst ? 3u : 2u);
    if (!abbreviated && !hasVolume) continue;
    found.push_back(
        {static_cast<int32_t>(start), static_cast<int32_t>(start + reach), std::move(script)});
    resumeAt = start + static_cast<std::size_t>(reach);
  }
}

}  // namespace glyphwright::prose
