#include "characterisation/nmr_headers.h"

#include "characterisation/text_scan.h"
#include "text/char_class.h"

namespace glyphwright {
namespace {

// A nucleus at pos ('13C', '1H'): its digits superscript. Returns the end, or pos when none.
std::size_t ReadNucleus(std::u16string_view text, std::size_t pos, Marks& marks) {
  std::size_t p = pos;
  while (p < text.size() && IsAsciiDigit(text[p]) && p - pos < 3) ++p;
  if (p == pos || p >= text.size() || !IsUpperChar(text[p])) return pos;
  const std::size_t digitsEnd = p;
  ++p;
  if (p < text.size() && IsLowerChar(text[p])) ++p;
  if (p < text.size() && IsAsciiLetter(text[p])) return pos;
  marks.push_back({MarkKind::Superscript, pos, static_cast<int32_t>(digitsEnd - pos)});
  return p;
}

}  // namespace

void MarkNmrHeaders(std::u16string_view text, Marks& marks) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsAsciiDigit(text[i]) ||
        (i > 0 && (IsAsciiLetter(text[i - 1]) || IsAsciiDigit(text[i - 1])))) {
      continue;
    }
    Marks found;
    std::size_t p = ReadNucleus(text, i, found);
    if (p == i) continue;
    // A decoupled nucleus in braces: '31P{1H} NMR'.
    if (p < text.size() && text[p] == u'{') {
      const std::size_t q = ReadNucleus(text, p + 1, found);
      if (q == p + 1 || q >= text.size() || text[q] != u'}') continue;
      p = q + 1;
    }
    const std::size_t word = SkipBlanks(text, p);
    if (word == p || text.substr(word, 3) != u"NMR" ||
        (word + 3 < text.size() && IsAsciiLetter(text[word + 3]))) {
      continue;
    }
    marks.insert(marks.end(), found.begin(), found.end());
    i = word + 2;
  }
}

void MarkCouplingConstants(std::u16string_view text, Marks& marks) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'J' || (i > 0 && IsAsciiLetter(text[i - 1])) ||
        (i + 1 < text.size() && IsAsciiLetter(text[i + 1]))) {
      continue;
    }
    const std::size_t after = SkipBlanks(text, i + 1);
    if (after < text.size() && (text[after] == u'=' || text[after] == u'(')) {
      marks.push_back({MarkKind::Italic, i, 1});
    }
  }
}

}  // namespace glyphwright
