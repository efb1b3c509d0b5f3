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

// The formula that follows 'calcd for' at p, up to a blank or punctuation or an adduct.
bool ReadFormulaAfter(std::u16string_view text, std::size_t p, CalcdClause& clause) {
  if (p >= text.size() || !(IsAsciiLetter(text[p]) || text[p] == u'[' || text[p] == u'(')) {
    return false;
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
  if (end == p) return false;
  clause.formulaStart = p;
  clause.formulaEnd = end;
  clause.formula = ParseFormula(text.substr(p, end - p));
  return true;
}

bool IsFormulaChar(char16_t c) {
  return IsAsciiLetter(c) || IsAsciiDigit(c) || c == u'(' || c == u')' || c == u'[' || c == u']' ||
         c == u'\u00B7';
}

// The formula written before the keyword, as one journal family writes analyses:
// 'C10H12O2 (164.20): calcd. C 73.15, H 7.37; found C 73.01, H 7.45.' Only a readable formula
// of two elements or more counts; anything else before 'calcd' is prose.
bool ReadFormulaBefore(std::u16string_view text, std::size_t at, CalcdClause& clause) {
  std::size_t q = at;
  while (q > 0 && IsBlank(text[q - 1])) --q;
  if (q > 0 && text[q - 1] == u':') --q;
  while (q > 0 && IsBlank(text[q - 1])) --q;
  if (q > 0 && text[q - 1] == u')') {
    // The molecular weight: digits and a point in brackets.
    std::size_t open = q - 1;
    while (open > 0 && q - open < 20 && (IsAsciiDigit(text[open - 1]) || text[open - 1] == u'.')) {
      --open;
    }
    if (open == 0 || open == q - 1 || text[open - 1] != u'(') return false;
    q = open - 1;
    while (q > 0 && IsBlank(text[q - 1])) --q;
  }
  std::size_t start = q;
  while (start > 0 && q - start < 200 && IsFormulaChar(text[start - 1])) --start;
  if (start == q || !(text[start] >= u'A' && text[start] <= u'Z')) return false;
  FormulaResult formula = ParseFormula(text.substr(start, q - start));
  if (!formula.ok || formula.formula.counts.size() < 2) return false;
  clause.formulaStart = start;
  clause.formulaEnd = q;
  clause.formula = std::move(formula);
  return true;
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
    Adduct adduct;
    if (HasWordAt(text, p, u"for") && !(p + 3 < text.size() && IsAsciiLetter(text[p + 3]))) {
      p = SkipBlanks(text, p + 3);
      if (ReadAdduct(text, p, adduct)) {
        clause.adduct = adduct;
        p = SkipBlanks(text, adduct.end);
      }
      if (!ReadFormulaAfter(text, p, clause)) continue;
      p = clause.formulaEnd;
    } else if (!ReadFormulaBefore(text, at, clause) || clause.formulaStart < previousEnd) {
      continue;
    }
    p = SkipBlanks(text, p);
    if (ReadAdduct(text, p, adduct)) {
      clause.adduct = adduct;
      p = adduct.end;
    }
    if (!clause.adduct) {
      clause.adduct = AdductBefore(text, previousEnd, std::min(at, clause.formulaStart));
    }
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
