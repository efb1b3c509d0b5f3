#include "prose/nmr_header.h"

#include "prose/element_symbols.h"
#include "text/char_class.h"

namespace glyphwright::prose {
namespace {

bool IsAlnum(char16_t c) {
  return IsDigitChar(c) || IsAlphaChar(c);
}

// A mass number and the symbol of its nucleus at `at`: 1H, 13C, 195Pt. Answers the offset after
// the symbol, or `at` when there is none; digits holds the end of the mass number.
std::size_t MatchNucleus(std::u16string_view text, std::size_t at, std::size_t& digitsEnd) {
  std::size_t p = at;
  while (p < text.size() && IsDigitChar(text[p]) && p - at < 3) ++p;
  if (p == at || text[at] == u'0' || (p < text.size() && IsDigitChar(text[p]))) return at;
  digitsEnd = p;
  const std::size_t symbol = ElementSymbolLength(text.substr(p));
  // D is deuterium's own symbol and takes no mass number: 2D NMR is two-dimensional.
  if (symbol == 0 || (symbol == 1 && text[p] == u'D')) return at;
  p += symbol;
  if (p < text.size() && IsAlphaChar(text[p]) && (text[p] < u'A' || text[p] > u'Z')) return at;
  return p;
}

}  // namespace

std::size_t MatchNmrHeader(std::u16string_view text, std::size_t at,
                           std::vector<TextRange>& massNumbers) {
  if (at > 0 && IsAlnum(text[at - 1])) return at;
  std::size_t digitsEnd = 0;
  std::size_t p = MatchNucleus(text, at, digitsEnd);
  if (p == at) return at;
  const TextRange observed{static_cast<int32_t>(at), static_cast<int32_t>(digitsEnd - at)};
  TextRange decoupled;
  if (p < text.size() && text[p] == u'{') {
    std::size_t innerEnd = 0;
    const std::size_t inner = MatchNucleus(text, p + 1, innerEnd);
    if (inner == p + 1 || inner >= text.size() || text[inner] != u'}') return at;
    decoupled = {static_cast<int32_t>(p + 1), static_cast<int32_t>(innerEnd - p - 1)};
    p = inner + 1;
  }
  if (p >= text.size() || (text[p] != u' ' && text[p] != u'-')) return at;
  ++p;
  if (text.substr(p, 3) != u"NMR") return at;
  p += 3;
  if (p < text.size() && IsAlnum(text[p])) return at;
  massNumbers.push_back(observed);
  if (decoupled.length > 0) massNumbers.push_back(decoupled);
  return p;
}

bool IsDeuteratedSolvent(std::u16string_view token) {
  const std::size_t hyphen = token.rfind(u"-d");
  if (hyphen == std::u16string_view::npos || hyphen < 2) return false;
  for (std::size_t i = 0; i < hyphen; ++i) {
    if (!IsAlnum(token[i])) return false;
  }
  if (!IsAlphaChar(token[0])) return false;
  const std::u16string_view count = token.substr(hyphen + 2);
  if (count.empty() || count.size() > 2 || count[0] == u'0' || count == u"1") return false;
  for (char16_t c : count) {
    if (!IsDigitChar(c)) return false;
  }
  return true;
}

bool IsCouplingSymbol(std::u16string_view text, std::size_t at) {
  if (at >= text.size() || text[at] != u'J') return false;
  if (at > 0 && IsAlnum(text[at - 1])) return false;
  std::size_t p = at + 1;
  // Labels written after the J: JHH, J1,2, JH-F.
  while (p < text.size() && p - at <= 8 && (IsAlnum(text[p]) || text[p] == u',' || text[p] == u'-'))
    ++p;
  while (p < text.size() && text[p] == u' ') ++p;
  if (p >= text.size() || text[p] != u'=') return false;
  ++p;
  while (p < text.size() && text[p] == u' ') ++p;
  if (p >= text.size() || !IsDigitChar(text[p])) return false;
  const std::u16string_view rest = text.substr(p, 40);
  const std::size_t hertz = rest.find(u"Hz");
  return hertz != std::u16string_view::npos;
}

}  // namespace glyphwright::prose
