#include "characterisation/formula.h"
#include "text/char_class.h"

#include <cmath>
#include <cstdlib>

namespace glyphwright {
namespace {

// Deeper nesting than this is no formula anyone writes; the limit keeps the parse bounded.
constexpr std::size_t kMaxDepth = 32;
// An atom count or multiplier above this is a typing error, not a molecule.
constexpr double kMaxCount = 100000;

bool IsPlus(char16_t c) {
  return c == u'+';
}
// The hyphen, the minus sign and the en dash all stand for a negative charge.
bool IsMinus(char16_t c) {
  return c == u'-' || c == u'\u2212' || c == u'\u2013';
}
// The separators of a hydrate or solvate: middle dot, bullet, full stop, asterisk, dot operator.
bool IsDot(char16_t c) {
  return c == u'\u00B7' || c == u'\u2022' || c == u'.' || c == u'*' || c == u'\u22C5';
}
char16_t ClosingOf(char16_t open) {
  switch (open) {
    case u'(':
      return u')';
    case u'[':
      return u']';
    case u'{':
      return u'}';
    default:
      return 0;
  }
}

void Add(std::vector<ElementCount>& counts, const ElementData* element, double count) {
  for (ElementCount& entry : counts) {
    if (entry.element == element) {
      entry.count += count;
      return;
    }
  }
  counts.push_back({element, count});
}

void AddAll(std::vector<ElementCount>& into, const std::vector<ElementCount>& from, double times) {
  for (const ElementCount& entry : from) Add(into, entry.element, entry.count * times);
}

struct Group {
  std::vector<ElementCount> counts;
  char16_t closing = 0;
  std::size_t openedAt = 0;
};

class Parser {
 public:
  explicit Parser(std::u16string_view text) : text_(text) {}

  FormulaResult Parse() {
    std::size_t end = text_.size();
    result_.formula.charge = TakeCharge(end);
    if (end == 0) return Fail(0, u"The formula is empty.");
    std::vector<Group> stack(1);
    double multiplier = 1;
    std::size_t partStart = 0;
    pos_ = 0;
    if (!ReadNumber(end, true, multiplier)) return result_;
    while (pos_ < end) {
      const char16_t c = text_[pos_];
      if (IsUpperChar(c)) {
        std::size_t length = pos_ + 1 < end && IsLowerChar(text_[pos_ + 1]) ? 2 : 1;
        const std::u16string_view symbol = text_.substr(pos_, length);
        const ElementData* element = FindElement(symbol);
        if (element == nullptr) {
          return Fail(pos_, u"There is no element '" + std::u16string(symbol) + u"'.");
        }
        pos_ += length;
        double count = 1;
        if (!ReadNumber(end, false, count)) return result_;
        Add(stack.back().counts, element, count);
      } else if (ClosingOf(c) != 0) {
        if (stack.size() > kMaxDepth) return Fail(pos_, u"The brackets nest too deeply.");
        stack.push_back({{}, ClosingOf(c), pos_});
        ++pos_;
      } else if (IsClosingBracket(c)) {
        if (stack.size() == 1 || stack.back().closing != c) {
          return Fail(pos_, u"The bracket '" + std::u16string(1, c) + u"' closes nothing.");
        }
        if (stack.back().counts.empty()) return Fail(pos_, u"The brackets hold nothing.");
        ++pos_;
        double count = 1;
        if (!ReadNumber(end, false, count)) return result_;
        Group inner = std::move(stack.back());
        stack.pop_back();
        AddAll(stack.back().counts, inner.counts, count);
      } else if (IsDot(c)) {
        if (stack.size() > 1) {
          return Fail(pos_, u"A hydrate dot cannot stand inside brackets.");
        }
        if (stack[0].counts.empty()) return Fail(partStart, u"A part of the formula is empty.");
        AddAll(result_.formula.counts, stack[0].counts, multiplier);
        stack[0].counts.clear();
        partStart = ++pos_;
        multiplier = 1;
        if (!ReadNumber(end, true, multiplier)) return result_;
      } else {
        return Fail(pos_,
                    u"The character '" + std::u16string(1, c) + u"' cannot stand in a formula.");
      }
    }
    if (stack.size() > 1) {
      return Fail(stack.back().openedAt, u"A bracket is never closed.");
    }
    if (stack[0].counts.empty()) return Fail(partStart, u"A part of the formula is empty.");
    AddAll(result_.formula.counts, stack[0].counts, multiplier);
    result_.ok = true;
    return result_;
  }

 private:
  FormulaResult Fail(std::size_t at, std::u16string message) {
    result_.ok = false;
    result_.error = std::move(message);
    result_.errorOffset = at;
    return result_;
  }

  // A count after an atom or bracket (whole), or a part's leading multiplier (decimals
  // allowed: 0.5H2O). Leaves value as it is when no digit stands at pos_.
  bool ReadNumber(std::size_t end, bool multiplier, double& value) {
    const std::size_t start = pos_;
    while (pos_ < end && IsDigitChar(text_[pos_])) ++pos_;
    if (pos_ == start) return true;
    if (multiplier && pos_ + 1 < end && text_[pos_] == u'.' && IsDigitChar(text_[pos_ + 1])) {
      ++pos_;
      while (pos_ < end && IsDigitChar(text_[pos_])) ++pos_;
    }
    if (pos_ - start > 12) {
      Fail(start, u"The number is too large for a formula.");
      return false;
    }
    std::string digits;
    for (std::size_t i = start; i < pos_; ++i) digits.push_back(static_cast<char>(text_[i]));
    value = std::strtod(digits.c_str(), nullptr);
    if (value > kMaxCount) {
      Fail(start, u"The number is too large for a formula.");
      return false;
    }
    if (value == 0) {
      Fail(start, u"A count of 0 is no count.");
      return false;
    }
    return true;
  }

  // The charge at the end of text_[0, end), taken off by moving end back: signs (C10H13O2+,
  // O2--), a number before the sign after a closing bracket ([Fe(CN)6]3−), and a radical dot
  // after the sign (C8H10+•).
  int TakeCharge(std::size_t& end) const {
    std::size_t e = end;
    if (e >= 2 && (text_[e - 1] == u'\u2022' || text_[e - 1] == u'\u00B7') &&
        (IsPlus(text_[e - 2]) || IsMinus(text_[e - 2]))) {
      --e;
    }
    if (e == 0) return 0;
    const bool plus = IsPlus(text_[e - 1]);
    if (!plus && !IsMinus(text_[e - 1])) return 0;
    int signs = 0;
    while (e > 0 && (plus ? IsPlus(text_[e - 1]) : IsMinus(text_[e - 1])) && signs < 9) {
      --e;
      ++signs;
    }
    int magnitude = signs;
    if (signs == 1) {
      std::size_t d = e;
      while (d > 0 && IsDigitChar(text_[d - 1])) --d;
      if (d < e && e - d <= 2 && d > 0 && (text_[d - 1] == u']' || text_[d - 1] == u'}')) {
        magnitude = 0;
        for (std::size_t i = d; i < e; ++i) magnitude = magnitude * 10 + (text_[i] - u'0');
        if (magnitude == 0) return 0;
        e = d;
      }
    }
    end = e;
    return plus ? magnitude : -magnitude;
  }

  std::u16string_view text_;
  std::size_t pos_ = 0;
  FormulaResult result_;
};

}  // namespace

double Formula::CountOf(std::u16string_view symbol) const {
  for (const ElementCount& entry : counts) {
    if (entry.element->symbol == symbol) return entry.count;
  }
  return 0;
}

FormulaResult ParseFormula(std::u16string_view text) {
  return Parser(text).Parse();
}

double MonoisotopicMass(const Formula& formula) {
  double mass = 0;
  for (const ElementCount& entry : formula.counts)
    mass += entry.count * entry.element->monoisotopic;
  return mass;
}

double AverageMass(const Formula& formula) {
  double mass = 0;
  for (const ElementCount& entry : formula.counts) mass += entry.count * entry.element->weight;
  return mass;
}

double IonMz(const Formula& formula, int z) {
  // A cation has lost z electrons, an anion gained -z: both are M - z me.
  return (MonoisotopicMass(formula) - z * kElectronMass) / std::abs(z);
}

double MassPercent(const Formula& formula, std::u16string_view symbol) {
  double part = 0;
  for (const ElementCount& entry : formula.counts) {
    if (entry.element->symbol == symbol) part += entry.count * entry.element->weight;
  }
  const double total = AverageMass(formula);
  return total > 0 ? 100 * part / total : 0;
}

}  // namespace glyphwright
