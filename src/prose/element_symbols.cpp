#include "prose/element_symbols.h"

#include <array>

namespace glyphwright::prose {
namespace {

constexpr std::u16string_view kElements[] = {
    u"H",  u"He", u"Li", u"Be", u"B",  u"C",  u"N",  u"O",  u"F",  u"Ne", u"Na", u"Mg", u"Al",
    u"Si", u"P",  u"S",  u"Cl", u"Ar", u"K",  u"Ca", u"Sc", u"Ti", u"V",  u"Cr", u"Mn", u"Fe",
    u"Co", u"Ni", u"Cu", u"Zn", u"Ga", u"Ge", u"As", u"Se", u"Br", u"Kr", u"Rb", u"Sr", u"Y",
    u"Zr", u"Nb", u"Mo", u"Tc", u"Ru", u"Rh", u"Pd", u"Ag", u"Cd", u"In", u"Sn", u"Sb", u"Te",
    u"I",  u"Xe", u"Cs", u"Ba", u"La", u"Ce", u"Pr", u"Nd", u"Pm", u"Sm", u"Eu", u"Gd", u"Tb",
    u"Dy", u"Ho", u"Er", u"Tm", u"Yb", u"Lu", u"Hf", u"Ta", u"W",  u"Re", u"Os", u"Ir", u"Pt",
    u"Au", u"Hg", u"Tl", u"Pb", u"Bi", u"Po", u"At", u"Rn", u"Fr", u"Ra", u"Ac", u"Th", u"Pa",
    u"U",  u"Np", u"Pu", u"Am", u"Cm", u"Bk", u"Cf", u"Es", u"Fm", u"Md", u"No", u"Lr", u"D"};

// Protecting and substituent groups as formulas write them; the longest match wins, so Mes is not
// Me followed by s.
constexpr std::u16string_view kGroups[] = {
    u"TBDMS", u"TBDPS", u"Fmoc", u"TIPS", u"TMS", u"TBS", u"TES", u"Boc", u"Cbz", u"Mes", u"Tol",
    u"Piv",   u"Me",    u"Et",   u"Pr",   u"Bu",  u"Ph",  u"Ac",  u"Bn",  u"Bz",  u"Ts",  u"Tf",
    u"Ms",    u"Cy",    u"Cp",   u"Tr",   u"Ar",  u"Np",  u"Ns",  u"Pf",  u"Am",  u"Hex"};

constexpr std::u16string_view kLigands[] = {
    u"dtbbpy", u"acac", u"tmeda", u"dppf", u"dppe", u"dppp", u"bipy", u"phen", u"hfac", u"dba",
    u"cod",    u"bpy",  u"ppy",   u"nbd",  u"cot",  u"tpy",  u"thf",  u"tol",  u"py",   u"en"};

constexpr std::u16string_view kNonMetals[] = {u"H",  u"D",  u"He", u"B", u"C",  u"N",  u"O",  u"F",
                                              u"Ne", u"Si", u"P",  u"S", u"Cl", u"Ar", u"As", u"Se",
                                              u"Br", u"Kr", u"Te", u"I", u"Xe", u"At", u"Rn"};

bool IsUpper(char16_t c) {
  return c >= u'A' && c <= u'Z';
}
bool IsLower(char16_t c) {
  return c >= u'a' && c <= u'z';
}

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
  for (std::u16string_view element : kElements) {
    if (element == symbol) return true;
  }
  return false;
}

std::size_t ElementSymbolLength(std::u16string_view text) {
  if (text.empty() || !IsUpper(text[0])) return 0;
  if (text.size() >= 2 && IsLower(text[1]) && IsElementSymbol(text.substr(0, 2))) return 2;
  return IsElementSymbol(text.substr(0, 1)) ? 1 : 0;
}

std::size_t GroupAbbreviationLength(std::u16string_view text) {
  if (text.empty() || !IsUpper(text[0])) return 0;
  return LongestPrefix(kGroups, text);
}

std::size_t LigandAbbreviationLength(std::u16string_view text) {
  if (text.empty() || !IsLower(text[0])) return 0;
  return LongestPrefix(kLigands, text);
}

bool IsNonMetal(std::u16string_view symbol) {
  for (std::u16string_view element : kNonMetals) {
    if (element == symbol) return true;
  }
  return false;
}

}  // namespace glyphwright::prose
