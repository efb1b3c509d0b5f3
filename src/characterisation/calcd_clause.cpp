#include "characterisation/calcd_clause.h"

#include <algorithm>
#include <iterator>

#include "characterisation/text_scan.h"

namespace glyphwright {
namespace {

constexpr std::u16string_view kKeywords[] = {u"calcd", u"calculated", u"calc."};

bool EndsFormula(char16_t c) {
  return IsBlank(c) || c == u',' || c == u';' || c == u':' || c == u'=' || c == u'\n' || c == u'\r';
}

// Finds the keywords left to right. Each keeps its next occurrence, so a text of many clauses is
// searched once, not once a clause.
class KeywordFinder {
 public:
  explicit KeywordFinder(std::u16string_view text) : text_(text) {
    for (std::size_t& at : next_) at = 0;
    for (bool& stale : stale_) stale = true;
  }

  // The next keyword at or after from: its position and length, or npos.
  std::pair<std::size_t, std::size_t> Next(std::size_t from) {
    std::size_t best = std::u16string_view::npos;
    std::size_t length = 0;
    for (std::size_t k = 0; k < std::size(kKeywords); ++k) {
      if (stale_[k] || (next_[k] != std::u16string_view::npos && next_[k] < from)) {
        next_[k] = Find(kKeywords[k], from);
        stale_[k] = false;
      }
      if (next_[k] < best) {
        best = next_[k];
        length = kKeywords[k].size();
      }
    }
    return {best, length};
  }

 private:
  std::size_t Find(std::u16string_view word, std::size_t from) const {
    while (true) {
      const std::size_t at = FindWord(text_, word, from, text_.size());
      if (at == std::u16string_view::npos) return at;
      // 'calcd' must not be the start of a longer word ('calcdx').
      const std::size_t end = at + word.size();
      if (word.back() == u'.' || end >= text_.size() || !IsAsciiLetter(text_[end])) return at;
      from = at + 1;
    }
  }

  std::u16string_view text_;
  std::size_t next_[std::size(kKeywords)];
  bool stale_[std::size(kKeywords)];
};

// The last adduct between from and to: the ACS habit writes it before 'calcd'.
std::optional<Adduct> AdductBefore(std::u16string_view text, std::size_t from, std::size_t to) {
  std::optional<Adduct> found;
  for (std::size_t pos = from; pos < to; ++pos) {
    Adduct adduct;
    if ((text[pos] == u'[' || text[pos] == u'(') && ReadAdduct(text, pos, adduct) &&
        adduct.end <= to) {
      found = adduct;
      pos = adduct.end - 1;
    }
  }
  return found;
}

}  // namespace

Finding CalcdClause::UnreadableFormula(std::u16string_view text) const {
  return {formulaStart + formula.errorOffset,
          u"The formula " + std::u16string(Written(text)) + u" cannot be read: " + formula.error};
}

std::vector<CalcdClause> FindCalcdClauses(std::u16string_view text) {
  std::vector<CalcdClause> clauses;
  KeywordFinder keywords(text);
  std::size_t searchFrom = 0;
  std::size_t previousEnd = 0;
  while (true) {
    const auto [at, length] = keywords.Next(searchFrom);
    if (at == std::u16string_view::npos) break;
    searchFrom = at + length;
    CalcdClause clause;
    clause.keyword = at;
    std::size_t p = at + length;
    // 'calcd.' as some journals abbreviate it.
    if (text[at + length - 1] != u'.' && p < text.size() && text[p] == u'.') ++p;
    p = SkipBlanks(text, p);
    if (text.substr(p, 3) == u"(%)") p = SkipBlanks(text, p + 3);
    if (!HasWordAt(text, p, u"for") || (p + 3 < text.size() && IsAsciiLetter(text[p + 3]))) {
      continue;
    }
    p = SkipBlanks(text, p + 3);
    Adduct adduct;
    if (ReadAdduct(text, p, adduct)) {
      clause.adduct = adduct;
      p = SkipBlanks(text, adduct.end);
    }
    if (p >= text.size() || !(IsAsciiLetter(text[p]) || text[p] == u'[' || text[p] == u'(')) {
      continue;
    }
    std::size_t end = p;
    while (end < text.size() && !EndsFormula(text[end])) {
      Adduct after;
      if ((text[end] == u'[' || text[end] == u'(') && end > p && ReadAdduct(text, end, after)) {
        break;
      }
      ++end;
    }
    // A full stop or a closing bracket of the sentence is not part of the formula.
    std::ptrdiff_t balance = 0;
    for (std::size_t i = p; i < end; ++i) {
      balance += text[i] == u'(' ? 1 : text[i] == u')' ? -1 : 0;
    }
    while (end > p && (text[end - 1] == u'.' || (text[end - 1] == u')' && balance < 0))) {
      if (text[end - 1] == u')') ++balance;
      --end;
    }
    if (end == p) continue;
    clause.formulaStart = p;
    clause.formulaEnd = end;
    clause.formula = ParseFormula(text.substr(p, end - p));
    p = SkipBlanks(text, end);
    if (ReadAdduct(text, p, adduct)) {
      clause.adduct = adduct;
      p = adduct.end;
    }
    if (!clause.adduct) clause.adduct = AdductBefore(text, previousEnd, at);
    clause.values = p;
    clause.limit = text.size();
    if (!clauses.empty()) clauses.back().limit = at;
    previousEnd = p;
    searchFrom = std::max(searchFrom, p);
    clauses.push_back(std::move(clause));
  }
  return clauses;
}

}  // namespace glyphwright
