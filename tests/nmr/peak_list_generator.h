// Seeded random peak lists that the peak-list parser accepts, with the cells it should read.
#pragma once

#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace glyphwright::testing_nmr {

struct GeneratedPeak {
  // Shift, count, multiplicity and coupling cells as the parser reads them ("" for none).
  std::array<std::u16string, 4> cells;
  std::u16string trailing;  // "" for none
};

struct GeneratedList {
  std::u16string text;
  std::vector<GeneratedPeak> peaks;
};

class PeakListGenerator {
 public:
  explicit PeakListGenerator(unsigned seed) : random_(seed) {}

  GeneratedList List(int peakCount) {
    GeneratedList list;
    if (Chance(2)) list.text = u"1H NMR (CDCl3) \u03B4 ";
    for (int k = 0; k < peakCount; ++k) {
      if (k > 0) list.text += Chance(4) ? u" ,  " : u", ";
      list.peaks.push_back(Peak(list.text));
    }
    // A full stop right behind digits would be read as the decimal point of the last shift.
    const bool afterDigit = list.text.back() >= u'0' && list.text.back() <= u'9';
    list.text += afterDigit || Chance(4) ? u"\r" : u".";
    return list;
  }

 private:
  bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }

  template <std::size_t N>
  std::u16string Pick(const std::array<const char16_t*, N>& choices) {
    return choices[std::uniform_int_distribution<std::size_t>(0, N - 1)(random_)];
  }

  std::u16string Decimal() {
    return Pick(std::array{u"7.26", u"1.25", u"0.88", u"12.1", u"3", u"3.", u"128.45"});
  }

  GeneratedPeak Peak(std::u16string& text) {
    GeneratedPeak peak;
    std::u16string shift = Chance(5) ? u"-" + Decimal() : Decimal();
    text += shift;
    if (Chance(4)) {
      const std::u16string upper = Decimal();
      text += Pick(std::array{u"-", u" - ", u"~", u"\u301C", u" ~ "}) + upper;
      shift += u"-" + upper;
    }
    peak.cells[0] = shift;

    std::vector<std::u16string> items;
    if (!Chance(5)) {
      peak.cells[1] = Pick(std::array{u"1H", u"3H", u"12H", u"13C", u"2.5H"});
      items.push_back(peak.cells[1]);
    }
    if (!Chance(5)) {
      peak.cells[2] = Pick(std::array{u"s", u"d", u"dd", u"br s", u"m", u"t", u"dt", u"app q"});
      items.push_back(peak.cells[2]);
    }
    if (Chance(2)) {
      const int values = std::uniform_int_distribution<int>(1, 3)(random_);
      const bool unitEach = Chance(2);
      std::u16string written = Chance(3) ? u"J=" : u"J = ";
      for (int v = 0; v < values; ++v) {
        const std::u16string value = Pick(std::array{u"8.0", u"7.1", u"2.5", u"12", u"0.9"});
        if (v > 0) {
          written += u", ";
          peak.cells[3] += u", ";
        }
        written += value;
        peak.cells[3] += value;
        if (unitEach || v + 1 == values) written += u" Hz";
      }
      items.push_back(written);
    }
    // Every trailing item holds a digit before any comma, so no item parser takes it.
    if (Chance(3)) {
      peak.trailing = Pick(std::array{u"H-3", u"H-2'", u"C-4", u"2 x CH3", u"H-5, H-6"});
      items.push_back(peak.trailing);
    }
    if (!items.empty()) {
      text += Chance(4) ? u"  (" : u" (";
      for (std::size_t k = 0; k < items.size(); ++k) {
        if (k > 0) text += u", ";
        text += items[k];
      }
      text += u")";
    }
    return peak;
  }

  std::mt19937 random_;
};

}  // namespace glyphwright::testing_nmr
