#include "characterisation/characterisation_marks.h"

#include "characterisation/adduct.h"
#include "characterisation/text_scan.h"

namespace glyphwright {
namespace {

constexpr char16_t kAlpha = u'\u03B1';
constexpr char16_t kNu = u'\u03BD';
constexpr char16_t kLambda = u'\u03BB';

bool LetterBefore(std::u16string_view text, std::size_t pos) {
  return pos > 0 && IsAsciiLetter(text[pos - 1]);
}
bool LetterAt(std::u16string_view text, std::size_t pos) {
  return pos < text.size() && IsAsciiLetter(text[pos]);
}
int32_t Length(std::size_t from, std::size_t to) {
  return static_cast<int32_t>(to - from);
}

std::size_t DigitsEnd(std::u16string_view text, std::size_t pos) {
  while (pos < text.size() && IsAsciiDigit(text[pos])) ++pos;
  return pos;
}

// 'mp', 'bp', 'm.p.', 'b.p.' at pos, as a word: the end of it, or pos.
std::size_t BoilingOrMeltingWord(std::u16string_view text, std::size_t pos) {
  if (LetterBefore(text, pos)) return pos;
  for (std::u16string_view word : {u"m.p.", u"b.p.", u"mp", u"bp"}) {
    if (HasWordAt(text, pos, word) && !LetterAt(text, pos + word.size())) {
      return pos + word.size();
    }
  }
  return pos;
}

}  // namespace

void MarkMeltingRanges(std::u16string_view text, Marks& marks) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t word = BoilingOrMeltingWord(text, i);
    if (word == i) continue;
    DecimalNumber low;
    if (!ReadDecimal(text, SkipBlanksAnd(text, word, u":="), low)) continue;
    std::size_t dash = SkipBlanks(text, low.end);
    DecimalNumber high;
    if (dash < text.size() && text[dash] == u'-' &&
        ReadDecimal(text, SkipBlanks(text, dash + 1), high)) {
      marks.push_back({MarkKind::Replace, dash, kEnDash});
      i = high.end;
    }
  }
}

void MarkRotations(std::u16string_view text, Marks& marks) {
  for (std::size_t i = 0; i + 3 < text.size(); ++i) {
    if (text[i] != u'[' || text[i + 1] != kAlpha || text[i + 2] != u']') continue;
    const std::size_t p = i + 3;
    if (text[p] == u'D') {
      const std::size_t end = DigitsEnd(text, p + 1);
      if (LetterAt(text, end)) continue;
      marks.push_back({MarkKind::Subscript, p, 1});
      if (end > p + 1) marks.push_back({MarkKind::Superscript, p + 1, Length(p + 1, end)});
    } else if (IsAsciiDigit(text[p])) {
      const std::size_t end = DigitsEnd(text, p);
      if (end >= text.size() || text[end] != u'D' || LetterAt(text, end + 1)) continue;
      marks.push_back({MarkKind::Superscript, p, Length(p, end)});
      marks.push_back({MarkKind::Subscript, end, 1});
    }
  }
}

void MarkSpectraUnits(std::u16string_view text, Marks& marks) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 2) == u"cm" && !LetterBefore(text, i) && i + 3 < text.size() &&
        (text[i + 2] == u'-' || text[i + 2] == u'\u2212' || text[i + 2] == u'\u2013') &&
        text[i + 3] == u'1' && (i + 4 >= text.size() || !IsAsciiDigit(text[i + 4])) &&
        !LetterAt(text, i + 4)) {
      if (text[i + 2] != u'\u2212') marks.push_back({MarkKind::Replace, i + 2, kMinusSign});
      marks.push_back({MarkKind::Superscript, i + 2, 2});
    } else if ((text[i] == kNu || text[i] == kLambda) && text.substr(i + 1, 3) == u"max" &&
               !LetterAt(text, i + 4)) {
      marks.push_back({MarkKind::Subscript, i + 1, 3});
    }
  }
}

void MarkRetentionFactors(std::u16string_view text, Marks& marks) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == u'R' && text[i + 1] == u'f' && !LetterBefore(text, i) &&
        !LetterAt(text, i + 2) && (i + 2 >= text.size() || !IsAsciiDigit(text[i + 2]))) {
      marks.push_back({MarkKind::Subscript, i + 1, 1});
    }
  }
}

void MarkMassSpectra(std::u16string_view text, Marks& marks) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 3) == u"m/z" && !LetterBefore(text, i) && !LetterAt(text, i + 3)) {
      marks.push_back({MarkKind::Italic, i, 3});
      i += 2;
      continue;
    }
    Adduct adduct;
    if ((text[i] == u'[' || text[i] == u'(') && ReadAdduct(text, i, adduct)) {
      if (adduct.chargeEnd > adduct.chargeStart) {
        for (std::size_t c = adduct.chargeStart; c < adduct.chargeEnd; ++c) {
          if (text[c] == u'-') marks.push_back({MarkKind::Replace, c, kMinusSign});
        }
        marks.push_back({MarkKind::Superscript, adduct.chargeStart,
                         Length(adduct.chargeStart, adduct.chargeEnd)});
      }
      i = adduct.end - 1;
    }
  }
}

}  // namespace glyphwright
