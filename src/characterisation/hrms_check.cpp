#include "characterisation/hrms_check.h"

#include <algorithm>
#include <cmath>

#include "characterisation/text_scan.h"

namespace glyphwright {
namespace {

// Decimal values read from text carry binary noise; a limit is not missed by it.
constexpr double kSlack = 1e-9;

constexpr std::u16string_view kAdductMetals[] = {u"Na", u"K", u"Li", u"Ag"};

// ': m/z = ' and the like before a value.
std::size_t SkipToValue(std::u16string_view text, std::size_t p) {
  p = SkipBlanksAnd(text, p, u":,=");
  if (text.substr(p, 3) == u"m/z") p = SkipBlanksAnd(text, p + 3, u":,=");
  return p;
}

std::u16string ChargeText(int z) {
  std::u16string text = FixedText(std::abs(z), 0);
  text += z > 0 ? u"+" : u"\u2212";
  return text;
}

}  // namespace

bool CheckHrms(std::u16string_view text, const CalcdClause& clause, std::vector<Finding>& out) {
  DecimalNumber calcd;
  const std::size_t valueAt = SkipToValue(text, clause.values);
  if (!ReadDecimal(text, valueAt, calcd) || calcd.decimals == 0) return false;
  const std::u16string_view written = clause.Written(text);
  if (!clause.formula.ok) {
    out.push_back(clause.UnreadableFormula(text));
    return true;
  }
  const Formula& formula = clause.formula.formula;
  int z = 1;  // a singly charged cation unless the text says otherwise
  if (clause.adduct && clause.adduct->charge != 0) {
    z = clause.adduct->charge;
  } else if (formula.charge != 0) {
    z = formula.charge;
  }
  if (clause.adduct) {
    for (std::u16string_view metal : kAdductMetals) {
      if (AdductAdds(*clause.adduct, metal) && formula.CountOf(metal) == 0) {
        out.push_back({clause.formulaStart, u"The adduct [" + std::u16string(clause.adduct->inner) +
                                                u"] adds " + std::u16string(metal) +
                                                u", but the formula " + std::u16string(written) +
                                                u" has no " + std::u16string(metal) + u"."});
      }
    }
  }
  const double mz = IonMz(formula, z);
  if (std::abs(calcd.value - mz) > kCalcdMzTolerance + kSlack) {
    out.push_back(
        {calcd.start, u"The calcd m/z " +
                          std::u16string(text.substr(calcd.start, calcd.end - calcd.start)) +
                          u" should be " + FixedText(mz, 4) + u" for " + std::u16string(written) +
                          u" with charge " + ChargeText(z) + u"."});
  }
  const std::size_t foundAt = FindWord(text, u"found", calcd.end, clause.limit);
  if (foundAt == std::u16string_view::npos) return true;
  DecimalNumber found;
  if (!ReadDecimal(text, SkipToValue(text, foundAt + 5), found)) return true;
  const double limit = std::max(kFoundMzTolerance, mz * kFoundMzPpm * 1e-6);
  const double off = std::abs(found.value - mz);
  if (off > limit + kSlack) {
    out.push_back(
        {found.start, u"The found m/z " +
                          std::u16string(text.substr(found.start, found.end - found.start)) +
                          u" is " + FixedText(off, 4) + u" (" + FixedText(off / mz * 1e6, 1) +
                          u" ppm) from the calcd " + FixedText(mz, 4) + u"; at most " +
                          FixedText(limit, 4) + u" is allowed."});
  }
  return true;
}

}  // namespace glyphwright
