#include "characterisation/analysis_check.h"

#include <cmath>

#include "characterisation/text_scan.h"

namespace glyphwright {
namespace {

constexpr double kSlack = 1e-9;

struct Percentage {
  std::u16string_view symbol;
  DecimalNumber value;
};

// 'C, 73.15; H, 7.37', 'C 73.15, H 7.37', 'C: 73.15%': symbol, optional ',' or ':', a
// number with a decimal point, then ';', ',' or blanks before the next. Empty when none.
std::vector<Percentage> ReadPercentages(std::u16string_view text, std::size_t p, std::size_t& end) {
  std::vector<Percentage> list;
  end = p;
  while (p < text.size() && text[p] >= u'A' && text[p] <= u'Z') {
    std::size_t q = p + 1;
    if (q < text.size() && text[q] >= u'a' && text[q] <= u'z') ++q;
    const std::u16string_view symbol = text.substr(p, q - p);
    if (q < text.size() && IsAsciiLetter(text[q])) break;  // a word such as 'Found'
    q = SkipBlanksAnd(text, q, u",:=");
    DecimalNumber number;
    if (!ReadDecimal(text, q, number) || number.decimals == 0) break;
    list.push_back({symbol, number});
    q = number.end;
    if (q < text.size() && text[q] == u'%') ++q;
    end = q;
    p = SkipBlanksAnd(text, q, u";,");
  }
  return list;
}

// After the formula: an optional molecular weight in brackets, '(164.20)', then ':'.
std::size_t SkipToList(std::u16string_view text, std::size_t p) {
  p = SkipBlanks(text, p);
  if (p < text.size() && text[p] == u'(') {
    const std::size_t close = text.find(u')', p);
    if (close != std::u16string_view::npos && close - p < 20) p = close + 1;
  }
  return SkipBlanksAnd(text, p, u":,");
}

}  // namespace

bool CheckAnalysis(std::u16string_view text, const CalcdClause& clause, std::vector<Finding>& out) {
  std::size_t listEnd = 0;
  const std::vector<Percentage> calcd =
      ReadPercentages(text, SkipToList(text, clause.values), listEnd);
  if (calcd.empty()) return false;
  const std::u16string_view written = clause.Written(text);
  if (!clause.formula.ok) {
    out.push_back(clause.UnreadableFormula(text));
    return true;
  }
  const Formula& formula = clause.formula.formula;
  auto rounded = [&](std::u16string_view symbol) {
    return std::round(MassPercent(formula, symbol) * 100) / 100;
  };
  for (const Percentage& entry : calcd) {
    const double expected = rounded(entry.symbol);
    if (std::abs(entry.value.value - expected) > kCalcdPercentTolerance + kSlack) {
      out.push_back(
          {entry.value.start,
           u"The calcd " + std::u16string(entry.symbol) + u" " +
               std::u16string(text.substr(entry.value.start, entry.value.end - entry.value.start)) +
               u"% should be " + FixedText(expected, 2) + u"% for " + std::u16string(written) +
               u"."});
    }
  }
  const std::size_t foundAt = FindWord(text, u"found", listEnd, clause.limit);
  if (foundAt == std::u16string_view::npos) return true;
  std::size_t p = SkipBlanks(text, foundAt + 5);
  if (text.substr(p, 3) == u"(%)") p += 3;
  std::size_t foundEnd = 0;
  for (const Percentage& entry : ReadPercentages(text, SkipBlanksAnd(text, p, u":,"), foundEnd)) {
    const double expected = rounded(entry.symbol);
    const double off = std::abs(entry.value.value - expected);
    if (off > kFoundPercentTolerance + kSlack) {
      out.push_back(
          {entry.value.start,
           u"The found " + std::u16string(entry.symbol) + u" " +
               std::u16string(text.substr(entry.value.start, entry.value.end - entry.value.start)) +
               u"% is " + FixedText(off, 2) + u" from the calcd " + FixedText(expected, 2) +
               u"%; at most 0.40 is allowed."});
    }
  }
  return true;
}

}  // namespace glyphwright
