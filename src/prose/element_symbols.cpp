#include "prose/element_symbols.h"

#include <array>
#include <cstdint>

#include "elements/element_list.h"
#include "text/char_class.h"

namespace glyphwright::prose {
namespace {

// Formulas in prose use the elements 1 (H) to 103 (Lr) and D; the heavier ones (Rf, Db ... Og)
// are far more often abbreviations and codes there.
constexpr int kLastElementOfFormulas = 103;

// Protecting and substituent groups as formulas write them; the longest match wins, so Mes is not
// Me followed by s.
constexpr std::u16string_view kGroups[] = {
    u"Ac",    u"Am",    u"Ar",   u"Boc", u"Bu",  u"Bn",  u"Bz",  u"Cbz", u"Cy",  u"Cp", u"Et",
    u"Fmoc",  u"Hex",   u"Me",   u"Mes", u"Ms",  u"Np",  u"Ns",  u"Ph",  u"Piv", u"Pr", u"Pf",
    u"TBDMS", u"TBDPS", u"TIPS", u"TMS", u"TBS", u"TES", u"Tol", u"Ts",  u"Tf",  u"Tr"};

constexpr std::u16string_view kLigands[] = {
    u"dtbbpy", u"acac", u"tmeda", u"dppf", u"dppe", u"dppp", u"bipy", u"phen", u"hfac", u"dba",
    u"cod",    u"bpy",  u"ppy",   u"nbd",  u"cot",  u"tpy",  u"thf",  u"tol",  u"py",   u"en"};

constexpr std::u16string_view kNonMetals[] = {u"H",  u"D",  u"He", u"B", u"C",  u"N",  u"O",  u"F",
                                              u"Ne", u"Si", u"P",  u"S", u"Cl", u"Ar", u"As", u"Se",
                                              u"Br", u"Kr", u"Te", u"I", u"Xe", u"At", u"Rn"};

// The symbols as bits, for lookups without a search: bit 0 of a capital's entry says the capital
// alone is a symbol, bit 1 + k that the capital with the k-th lowercase letter is one.
struct SymbolTable {
  uint32_t bits[26] = {};
};

constexpr SymbolTable MakeTable() {
  SymbolTable table;
  for (const ElementData& element : kElementList) {
    if (element.number > kLastElementOfFormulas) continue;
    const std::u16string_view symbol = element.symbol;
    const int first = symbol[0] - u'A';
    table.bits[first] |= symbol.size() == 1 ? 1u : 1u << (1 + (symbol[1] - u'a'));
  }
  return table;
}
constexpr SymbolTable kSymbolTable = MakeTable();

// For each capital, the stretch of kGroups (which is in order of capitals) that it opens.
struct GroupStretches {
  uint8_t begin[26] = {};
  uint8_t end[26] = {};
};

constexpr GroupStretches MakeGroupStretches() {
  GroupStretches stretches;
  for (std::size_t i = std::size(kGroups); i-- > 0;) {
    const int capital = kGroups[i][0] - u'A';
    if (stretches.end[capital] == 0) stretches.end[capital] = static_cast<uint8_t>(i + 1);
    stretches.begin[capital] = static_cast<uint8_t>(i);
  }
  return stretches;
}
constexpr GroupStretches kGroupStretches = MakeGroupStretches();

template <std::size_t N>
std::size_t LongestPrefix(const std::u16string_view (&words)[N], std::u16string_view text) {
  std::size_t best = 0;
  for (std::u16string_view word : words) {
    if (word.size() > best && text.starts_with(word)) best = word.size();
  }
  return best;
}

}  // namespace

bool IsElementSymbol(std::u16string_view symbol) {
  if (symbol.empty() || symbol.size() > 2 || !IsUpperChar(symbol[0])) return false;
  const uint32_t bits = kSymbolTable.bits[symbol[0] - u'A'];
  if (symbol.size() == 1) return (bits & 1u) != 0;
  return IsLowerChar(symbol[1]) && (bits & (1u << (1 + (symbol[1] - u'a')))) != 0;
}

std::size_t ElementSymbolLength(std::u16string_view text) {
  if (text.empty() || !IsUpperChar(text[0])) return 0;
  const uint32_t bits = kSymbolTable.bits[text[0] - u'A'];
  if (text.size() >= 2 && IsLowerChar(text[1]) && (bits & (1u << (1 + (text[1] - u'a')))) != 0) {
    return 2;
  }
  return (bits & 1u) != 0 ? 1 : 0;
}

std::size_t GroupAbbreviationLength(std::u16string_view text) {
  if (text.empty() || !IsUpperChar(text[0])) return 0;
  const int capital = text[0] - u'A';
  std::size_t best = 0;
  for (std::size_t i = kGroupStretches.begin[capital]; i < kGroupStretches.end[capital]; ++i) {
    if (kGroups[i].size() > best && text.starts_with(kGroups[i])) best = kGroups[i].size();
  }
  return best;
}

std::size_t LigandAbbreviationLength(std::u16string_view text) {
  if (text.empty() || !IsLowerChar(text[0])) return 0;
  return LongestPrefix(kLigands, text);
}

bool IsNonMetal(std::u16string_view symbol) {
  for (std::u16string_view element : kNonMetals) {
    if (element == symbol) return true;
  }
  return false;
}

}  // namespace glyphwright::prose
