#include "prose/formula_token.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "prose/element_symbols.h"
#include "text/char_class.h"

namespace glyphwright::prose {
namespace {

char16_t ClosingOf(char16_t c) {
  return c == u'(' ? u')' : c == u'[' ? u']' : u'}';
}
// The hydrate and adduct dots: the middle dot, the bullet operator, the dot the triple-bond query
// writes for "*", and "*" itself.
bool IsAdductDot(char16_t c) {
  return c == u'\u00B7' || c == u'\u2219' || c == u'\u22C5' || c == u'\uFF65' || c == u'*';
}

// Homonuclear molecules that prose writes as a formula: H2, N2, O2, O3, the halogens, P4, S8 and
// the fullerenes. Any other element with a count alone (C18, B12, P53, K562) is a label or a code.
bool IsHomonuclearMolecule(std::u16string_view symbol, std::u16string_view count) {
  struct Molecule {
    std::u16string_view symbol;
    std::u16string_view count;
  };
  static constexpr std::array<Molecule, 14> kMolecules = {{{u"H", u"2"},
                                                           {u"D", u"2"},
                                                           {u"N", u"2"},
                                                           {u"O", u"2"},
                                                           {u"O", u"3"},
                                                           {u"F", u"2"},
                                                           {u"Cl", u"2"},
                                                           {u"Br", u"2"},
                                                           {u"I", u"2"},
                                                           {u"P", u"4"},
                                                           {u"S", u"8"},
                                                           {u"Se", u"8"},
                                                           {u"C", u"60"},
                                                           {u"C", u"70"}}};
  for (const Molecule& molecule : kMolecules) {
    if (molecule.symbol == symbol && molecule.count == count) return true;
  }
  return false;
}

// What the parse learns about a token.
struct Parse {
  bool ok = false;
  bool charged = false;
  bool hasCount = false;
  bool hasTripleBond = false;
  bool hasPrefix = false;
  bool hasGroup = false;
  bool hasBracket = false;
  bool countOfOne = false;
  int elementUnits = 0;
  int units = 0;
  // The first element unit and its count, for the single-element rules.
  std::u16string_view firstSymbol;
  std::u16string_view firstCount;
  bool startsWithH = false;
  // The elements met, as bits: hydrogen and deuterium, carbon, and every other element.
  bool hasHydrogen = false;
  bool hasDeuterium = false;
  bool hasCarbon = false;
  bool hasNitrogen = false;
  bool hasOtherThanCDHN = false;
  bool carbonCountOfTwoOrMore = false;
  // A count of a hundred or more on an element other than C, H, D, N or O (SW480).
  bool hugeCount = false;
  // The second element unit, for the order of binary compounds.
  std::u16string_view secondSymbol;
  // A charge sign with a digit right before it (Fe3+, SO42-) rather than a bare one (Cl-).
  bool chargeHasDigit = false;
};

class FormulaParser {
 public:
  explicit FormulaParser(std::u16string_view token) : t_(token) {}

  Parse Run() {
    if (t_.empty()) return result_;
    // A position prefix before the whole formula: t-BuOH, n-Bu4NBr.
    if (const std::size_t prefix = PrefixLength(0); prefix > 0) {
      result_.hasPrefix = true;
      p_ = prefix;
    }
    // A coefficient: 2H2O. A digit that opens the text is never a count.
    while (p_ < t_.size() && IsDigitChar(t_[p_])) ++p_;
    if (p_ == t_.size()) return result_;
    if (!Body()) return result_;
    result_.ok = depth_ == 0 && result_.units > 0;
    return result_;
  }

 private:
  // "[a-z]{1,4}-" followed by a capital: the italic position prefixes of formulas.
  std::size_t PrefixLength(std::size_t at) const {
    std::size_t q = at;
    while (q < t_.size() && IsLowerChar(t_[q]) && q - at < 4) ++q;
    if (q == at || q + 1 >= t_.size() || t_[q] != u'-') return 0;
    const char16_t next = t_[q + 1];
    if (!IsUpperChar(next) && LigandAbbreviationLength(t_.substr(q + 1)) == 0) return 0;
    return q + 1 - at;
  }

  // Digits right after a unit: its count. A count never opens with 0.
  bool Count() {
    const std::size_t start = p_;
    while (p_ < t_.size() && IsDigitChar(t_[p_])) ++p_;
    if (p_ == start) return true;
    if (t_[start] == u'0') return false;
    result_.hasCount = true;
    lastCount_ = t_.substr(start, p_ - start);
    if (lastCount_ == u"1") result_.countOfOne = true;
    return true;
  }

  void NoteElement(std::u16string_view symbol) {
    ++result_.elementUnits;
    if (result_.elementUnits == 1) {
      result_.firstSymbol = symbol;
      result_.startsWithH = result_.units == 1 && symbol == u"H";
    }
    if (symbol == u"H") {
      result_.hasHydrogen = true;
    } else if (symbol == u"D") {
      result_.hasDeuterium = true;
    } else if (symbol == u"C") {
      result_.hasCarbon = true;
    } else if (symbol == u"N") {
      result_.hasNitrogen = true;
    } else {
      result_.hasOtherThanCDHN = true;
    }
  }

  bool Body() {
    while (p_ < t_.size()) {
      const char16_t c = t_[p_];
      if (IsUpperChar(c)) {
        if (!Atom()) return false;
      } else if (IsLowerChar(c)) {
        // Lowercase stands only inside brackets: a ligand (dba) or a prefix (t-Bu).
        if (depth_ == 0) return false;
        if (const std::size_t prefix = PrefixLength(p_); prefix > 0) {
          result_.hasPrefix = true;
          p_ += prefix;
          continue;
        }
        const std::size_t ligand = LigandAbbreviationLength(t_.substr(p_));
        if (ligand == 0 || (p_ + ligand < t_.size() && IsLowerChar(t_[p_ + ligand]))) return false;
        p_ += ligand;
        ++result_.units;
        result_.hasGroup = true;
        lastCount_ = {};
        if (!Count()) return false;
      } else if (IsOpeningBracket(c)) {
        if (depth_ == kMaxDepth) return false;
        opened_[depth_] = c;
        unitsAtOpening_[depth_] = result_.units;
        ++depth_;
        ++p_;
        result_.hasBracket = true;
      } else if (IsClosingBracket(c)) {
        if (depth_ == 0 || ClosingOf(opened_[depth_ - 1]) != c) return false;
        --depth_;
        if (result_.units == unitsAtOpening_[depth_]) return false;
        ++p_;
        lastCount_ = {};
        if (!Count()) return false;
      } else if (IsAdductDot(c) || c == u'.') {
        // CuSO4·5H2O: a coefficient may follow the dot, then the next part.
        ++p_;
        while (p_ < t_.size() && IsDigitChar(t_[p_])) ++p_;
        if (p_ == t_.size() || !(IsUpperChar(t_[p_]) || IsOpeningBracket(t_[p_]))) return false;
      } else if (c == u'#' || c == u'=' || c == u'\u2261') {
        if (c == u'#') result_.hasTripleBond = true;
        ++p_;
        if (p_ == t_.size() || !(IsUpperChar(t_[p_]) || IsOpeningBracket(t_[p_]))) return false;
      } else if (c == u'+' || c == u'-') {
        if (p_ + 1 == t_.size()) return Charge();
        // A hyphen inside is a bond between groups, CH3-CH2: after a count or a bracket, before
        // an atom. Anything else joins words (C-H, SH-SY5Y, Pd-catalysed).
        if (c == u'+' || result_.units == 0) return false;
        const char16_t before = t_[p_ - 1];
        if (!IsDigitChar(before) && !IsClosingBracket(before)) return false;
        ++p_;
        if (!(IsUpperChar(t_[p_]) || IsOpeningBracket(t_[p_]))) return false;
      } else {
        return false;
      }
    }
    return true;
  }

  bool Atom() {
    const std::u16string_view rest = t_.substr(p_);
    const std::size_t element = ElementSymbolLength(rest);
    const std::size_t group = GroupAbbreviationLength(rest);
    if (element == 0 && group == 0) return false;
    // Pr, Ac and Ar are groups far more often than elements in formulas.
    const std::size_t length = group >= element ? group : element;
    // A lowercase letter right after the unit would make it a word: Cas9, Nrf2.
    if (p_ + length < t_.size() && IsLowerChar(t_[p_ + length])) return false;
    const std::u16string_view symbol = rest.substr(0, length);
    ++result_.units;
    p_ += length;
    lastCount_ = {};
    if (!Count()) return false;
    if (group >= element) {
      result_.hasGroup = true;
    } else {
      NoteElement(symbol);
      if (result_.elementUnits == 1) result_.firstCount = lastCount_;
      if (result_.elementUnits == 2) result_.secondSymbol = symbol;
      if (lastCount_.size() >= 3 && symbol != u"C" && symbol != u"H" && symbol != u"D" &&
          symbol != u"N" && symbol != u"O") {
        result_.hugeCount = true;
      }
      if (symbol == u"C" && lastCount_.size() > 0 && lastCount_ != u"1") {
        result_.carbonCountOfTwoOrMore = true;
      }
    }
    return true;
  }

  // The sign that ends the token. It must follow a unit, a count or a bracket.
  bool Charge() {
    if (result_.units == 0) return false;
    const char16_t before = t_[p_ - 1];
    if (!IsUpperChar(before) && !IsLowerChar(before) && !IsDigitChar(before) &&
        !IsClosingBracket(before)) {
      return false;
    }
    result_.chargeHasDigit = IsDigitChar(before);
    result_.charged = true;
    ++p_;
    return true;
  }

  static constexpr int kMaxDepth = 8;
  std::u16string_view t_;
  std::size_t p_ = 0;
  int depth_ = 0;
  std::array<char16_t, kMaxDepth> opened_{};
  std::array<int, kMaxDepth> unitsAtOpening_{};
  std::u16string_view lastCount_;
  Parse result_;
};

// A lone element with a charge: cations of metals and of hydrogen, anions of non-metals; a bare
// minus only for the halides and hydride (N- is a hyphen of "N- and O-alkylation").
bool IsPlausibleAtomicIon(const Parse& parse, char16_t sign) {
  const std::u16string_view symbol = parse.firstSymbol;
  if (sign == u'+') return !IsNonMetal(symbol) || symbol == u"H" || symbol == u"D";
  if (parse.chargeHasDigit) return IsNonMetal(symbol);
  return symbol == u"F" || symbol == u"Cl" || symbol == u"Br" || symbol == u"I" || symbol == u"H";
}

FormulaKind Decide(std::u16string_view token, const Parse& parse) {
  if (!parse.ok) return FormulaKind::None;
  // Counts of one are never written: H1N1 and C1 are codes and positions.
  if (parse.countOfOne || parse.hugeCount) return FormulaKind::None;
  // A binary compound names its electropositive element first (MgB2, not BV2).
  if (parse.units == 2 && parse.elementUnits == 2 && !parse.hasBracket &&
      IsNonMetal(parse.firstSymbol) && !IsNonMetal(parse.secondSymbol) &&
      parse.firstSymbol != u"H") {
    return FormulaKind::None;
  }
  const bool changesSomething =
      parse.hasCount || parse.charged || parse.hasTripleBond || (parse.hasPrefix && parse.hasGroup);
  if (!changesSomething) return FormulaKind::None;
  // A formula has atoms; group abbreviations alone (Cy5, Ph3) are dyes and codes, except the
  // prefixed groups chemists write alone (t-Bu, i-Pr).
  if (parse.elementUnits == 0 && !(parse.hasPrefix && !parse.hasCount && !parse.charged)) {
    return FormulaKind::None;
  }
  const bool single = parse.units == 1 && parse.elementUnits == 1 && !parse.hasBracket;
  if (single && parse.charged) {
    return IsPlausibleAtomicIon(parse, token.back()) ? FormulaKind::Charged : FormulaKind::None;
  }
  if (single && !IsHomonuclearMolecule(parse.firstSymbol, parse.firstCount)) {
    return FormulaKind::None;
  }
  // Carbon with a count binds hydrogen, a heteroatom or a group: PC3 and IC50 are codes.
  if (parse.carbonCountOfTwoOrMore && !single && !parse.hasHydrogen && !parse.hasDeuterium &&
      !parse.hasNitrogen && !parse.hasOtherThanCDHN && !parse.hasGroup) {
    return FormulaKind::None;
  }
  if (parse.carbonCountOfTwoOrMore && !single && !parse.hasHydrogen && !parse.hasGroup &&
      !parse.hasNitrogen && !parse.hasDeuterium) {
    // Carbon next to iodine or phosphorus alone: only the carbon count can be meant, as in IC50.
    if (parse.elementUnits == 2 && (parse.firstSymbol == u"I" || parse.firstSymbol == u"P")) {
      return FormulaKind::None;
    }
  }
  // Deuterated carbon alone is a cluster of differentiation (CD4, CD34), unless it has several
  // carbons (C6D6).
  if (parse.hasDeuterium && parse.hasCarbon && !parse.hasHydrogen && !parse.hasNitrogen &&
      !parse.hasOtherThanCDHN && !parse.hasGroup && !parse.carbonCountOfTwoOrMore) {
    return FormulaKind::None;
  }
  // Nitrogen hydrides are written nitrogen first (NH3, N2H4); H3N2 and H7N9 are virus subtypes.
  if (parse.startsWithH && parse.hasNitrogen && !parse.hasCarbon && !parse.hasOtherThanCDHN &&
      !parse.hasGroup && !parse.hasDeuterium) {
    return FormulaKind::None;
  }
  return parse.charged ? FormulaKind::Charged : FormulaKind::Neutral;
}

}  // namespace

FormulaKind ClassifyFormula(std::u16string_view token) {
  return Decide(token, FormulaParser(token).Run());
}

bool IsSingleElementFormula(std::u16string_view token) {
  const Parse parse = FormulaParser(token).Run();
  return parse.ok && parse.units == 1 && parse.elementUnits == 1 && !parse.hasBracket &&
         !parse.charged;
}

}  // namespace glyphwright::prose
