#include "nmr/nmr_data_reader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "automation/automation_error.h"
#include "nmr/multiplicity_words.h"
#include "text/char_class.h"
#include "text/lib.h"

namespace glyphwright {
namespace {

constexpr char16_t kDelta = u'\u03B4';

// One code unit for one, so offsets stay those of the text: full-width forms, superscript and
// subscript digits, dashes and minus signs, and the narrow blanks, as their ASCII selves.
std::u16string NormalisedText(std::u16string_view text) {
  std::u16string s = ToHalfWidth(text);
  for (char16_t& c : s) {
    if (c == u'\u00B9') {
      c = u'1';
    } else if (c == u'\u00B2' || c == u'\u00B3') {
      c = static_cast<char16_t>(u'2' + (c - u'\u00B2'));
    } else if (c == u'\u2070' || (c >= u'\u2074' && c <= u'\u2079')) {
      c = static_cast<char16_t>(u'0' + (c - u'\u2070'));
    } else if (c >= u'\u2080' && c <= u'\u2089') {
      c = static_cast<char16_t>(u'0' + (c - u'\u2080'));
    } else if ((c >= u'\u2010' && c <= u'\u2014') || c == u'\u2212') {
      c = u'-';
    } else if (c == u'\u00A0' || c == u'\u2009' || c == u'\u202F') {
      c = u' ';
    } else if (c == u'\u301C') {
      c = u'~';
    }
  }
  return s;
}

[[noreturn]] void FailAt(std::u16string_view problem, std::size_t offset) {
  std::u16string message(problem);
  message += u" at offset ";
  for (const char c : std::to_string(offset)) message += static_cast<char16_t>(c);
  message += u'.';
  throw AutomationError(1, std::move(message));
}

constexpr bool IsPlainSpace(char16_t c) {
  return c == u' ';
}

// Only spaces are trimmed; start moves on by as many as the front had.
std::u16string_view Trimmed(std::u16string_view text, std::size_t& start) {
  const std::u16string_view rest = TrimStartView(text, IsPlainSpace);
  start += text.size() - rest.size();
  return TrimEndView(rest, IsPlainSpace);
}

// A piece of a parenthesis between top-level "," or ";", trimmed, with its offset.
struct Piece {
  std::size_t start;
  std::u16string_view text;
};

class NmrDataReader {
 public:
  explicit NmrDataReader(std::u16string_view text) : s_(NormalisedText(text)) {}

  NmrData Read();

 private:
  char16_t At(std::size_t k) const { return k < s_.size() ? s_[k] : u'\0'; }
  void SkipBlanks() {
    while (At(i_) == u' ') ++i_;
  }
  bool Word(std::size_t k, std::u16string_view word) const {
    return s_.compare(k, word.size(), word) == 0 && !IsAlphaChar(At(k + word.size()));
  }

  bool ReadHeader(NmrData& data);
  // '1H' from k on, and k behind it.
  Nucleus NucleusAt(std::size_t& k) const {
    Nucleus nucleus;
    while (IsDigitChar(At(k))) nucleus.massNumber += s_[k++];
    while (IsAlphaChar(At(k))) nucleus.element += s_[k++];
    return nucleus;
  }
  std::optional<std::size_t> NucleusBefore(std::size_t nmr, NmrHeader& header) const;
  std::size_t ReadHeaderParenthesis(std::size_t open, NmrHeader& header) const;
  std::size_t MatchingParenthesis(std::size_t open) const;
  std::optional<std::u16string> ReadNumber();
  NmrPeak ReadPeak();
  void ReadItems(std::size_t open, std::size_t close, NmrPeak& peak) const;
  std::vector<Piece> Pieces(std::size_t start, std::size_t end) const;

  std::u16string s_;
  std::size_t i_ = 0;
};

NmrData NmrDataReader::Read() {
  NmrData data;
  if (!ReadHeader(data)) {
    // No header to rewrite: the list alone, from behind the delta or the first non-blank.
    const std::size_t delta = s_.find(kDelta);
    i_ = delta == std::u16string::npos ? 0 : delta + 1;
    SkipBlanks();
    if (delta != std::u16string::npos && (At(i_) == u'=' || At(i_) == u':')) {
      ++i_;
      SkipBlanks();
    }
    data.replaceStart = static_cast<int32_t>(i_);
  }
  if (i_ >= s_.size()) throw AutomationError(1, u"There is no peak list in the text.");

  std::size_t listEnd = i_;
  for (;;) {
    SkipBlanks();
    data.peaks.push_back(ReadPeak());
    listEnd = i_;
    SkipBlanks();
    if (At(i_) == u',' || At(i_) == u';') {
      ++i_;
      continue;
    }
    if (Word(i_, u"ppm")) {
      i_ += 3;
      listEnd = i_;
      SkipBlanks();
    }
    if (At(i_) == u'.') {
      listEnd = i_ + 1;
      break;
    }
    // A paragraph mark or the end of the text ends the list too; both stay.
    if (At(i_) == u'\r' || i_ >= s_.size()) break;
    FailAt(u"Missing comma", i_);
  }
  data.replaceEnd = static_cast<int32_t>(listEnd);
  return data;
}

// '1H NMR (400 MHz, CDCl3) δ', '13C{1H} NMR (CDCl3):', 'δH (400 MHz; CDCl3)'. False, with
// nothing read, when there is no such header: then only the list is rewritten.
bool NmrDataReader::ReadHeader(NmrData& data) {
  const std::size_t delta = s_.find(kDelta);
  NmrHeader header;
  std::size_t nmr = s_.find(u"NMR");
  while (nmr != std::u16string::npos && IsAlphaChar(At(nmr + 3))) nmr = s_.find(u"NMR", nmr + 1);
  if (nmr != std::u16string::npos && (delta == std::u16string::npos || nmr < delta)) {
    const std::optional<std::size_t> start = NucleusBefore(nmr, header);
    if (!start) return false;
    i_ = nmr + 3;
    SkipBlanks();
    if (At(i_) == u'(') i_ = ReadHeaderParenthesis(i_, header);
    SkipBlanks();
    if (At(i_) == u':' || At(i_) == u',') ++i_;
    SkipBlanks();
    if (delta != std::u16string::npos) {
      // Only blanks and punctuation may stand between the header and its delta.
      if (i_ != delta) return false;
      ++i_;
      SkipBlanks();
      if (At(i_) == u'=' || At(i_) == u':') ++i_;
      SkipBlanks();
    }
    data.replaceStart = static_cast<int32_t>(*start);
    data.header = std::move(header);
    return true;
  }
  // 'δH (400 MHz; CDCl3)': the nucleus is written as the delta's subscript.
  if (delta == std::u16string::npos || !IsUpperChar(At(delta + 1))) return false;
  std::size_t k = delta + 1;
  header.nucleus.element = s_.substr(k, IsLowerChar(At(k + 1)) ? 2 : 1);
  k += header.nucleus.element.size();
  if (IsAlphaChar(At(k))) return false;  // a word, not a nucleus
  i_ = k;
  if (At(i_) == u'{') {
    const std::size_t close = s_.find(u'}', i_);
    if (close == std::u16string::npos) return false;
    std::size_t m = i_ + 1;
    header.decoupled.emplace(NucleusAt(m));
    i_ = close + 1;
  }
  SkipBlanks();
  if (At(i_) == u'(') i_ = ReadHeaderParenthesis(i_, header);
  SkipBlanks();
  if (At(i_) == u':' || At(i_) == u'=') ++i_;
  SkipBlanks();
  data.replaceStart = static_cast<int32_t>(delta);
  data.header = std::move(header);
  return true;
}

// Reads '13C{1H}' backwards from the "NMR" behind it; the offset where it begins.
std::optional<std::size_t> NmrDataReader::NucleusBefore(std::size_t nmr, NmrHeader& header) const {
  std::size_t k = nmr;
  while (k > 0 && s_[k - 1] == u' ') --k;
  if (k > 0 && s_[k - 1] == u'-') --k;  // '1H-NMR'
  if (k > 0 && s_[k - 1] == u'}') {
    const std::size_t open = s_.rfind(u'{', k - 1);
    if (open == std::u16string::npos) return std::nullopt;
    std::size_t m = open + 1;
    Nucleus decoupled = NucleusAt(m);
    if (m != k - 1 || decoupled.element.empty()) return std::nullopt;
    header.decoupled.emplace(std::move(decoupled));
    k = open;
  }
  std::size_t elementEnd = k;
  if (k > 0 && IsLowerChar(s_[k - 1])) --k;
  if (k == 0 || !IsUpperChar(s_[k - 1])) return std::nullopt;
  --k;
  if (k > 0 && IsAlphaChar(s_[k - 1])) return std::nullopt;  // part of a longer word
  header.nucleus.element = s_.substr(k, elementEnd - k);
  std::size_t digits = k;
  while (digits > 0 && IsDigitChar(s_[digits - 1])) --digits;
  header.nucleus.massNumber = s_.substr(digits, k - digits);
  return digits;
}

// '(400 MHz, CDCl3, 25 °C)': the frequency, the solvent and whatever else is there, in order.
std::size_t NmrDataReader::ReadHeaderParenthesis(std::size_t open, NmrHeader& header) const {
  const std::size_t close = MatchingParenthesis(open);
  for (const Piece& piece : Pieces(open + 1, close)) {
    std::u16string_view text = piece.text;
    if (text.empty() || text == u"ppm") continue;
    std::size_t digits = 0;
    while (digits < text.size() && (IsDigitChar(text[digits]) || text[digits] == u'.')) ++digits;
    std::u16string_view unit = text.substr(digits);
    while (!unit.empty() && unit.front() == u' ') unit.remove_prefix(1);
    if (digits > 0 && unit == u"MHz" && header.frequency.empty()) {
      header.frequency = text.substr(0, digits);
    } else if (header.solvent.empty()) {
      header.solvent = text;
    } else {
      header.extras.emplace_back(text);
    }
  }
  return close + 1;
}

std::size_t NmrDataReader::MatchingParenthesis(std::size_t open) const {
  int depth = 0;
  for (std::size_t k = open; k < s_.size(); ++k) {
    if (s_[k] == u'(') ++depth;
    if (s_[k] == u')' && --depth == 0) return k;
    if (s_[k] == u'\r') break;
  }
  FailAt(u"Unclosed parenthesis", open);
}

// "-0.5", "7.26", "7": a decimal point counts only with a digit behind it, so the full stop
// of '77.' ends the list.
std::optional<std::u16string> NmrDataReader::ReadNumber() {
  std::size_t k = i_;
  std::u16string number;
  if (At(k) == u'-') {
    number += u'-';
    ++k;
    while (At(k) == u' ') ++k;
  }
  if (!IsDigitChar(At(k))) return std::nullopt;
  while (IsDigitChar(At(k))) number += s_[k++];
  if (At(k) == u'.' && IsDigitChar(At(k + 1))) {
    number += s_[k++];
    while (IsDigitChar(At(k))) number += s_[k++];
  }
  i_ = k;
  return number;
}

NmrPeak NmrDataReader::ReadPeak() {
  NmrPeak peak;
  const std::optional<std::u16string> shift = ReadNumber();
  if (!shift) FailAt(u"Missing chemical shift", i_);
  peak.shift = *shift;
  const std::size_t afterShift = i_;
  SkipBlanks();
  if (At(i_) == u'-' || At(i_) == u'~') {
    ++i_;
    SkipBlanks();
    if (const std::optional<std::u16string> end = ReadNumber()) {
      peak.rangeEnd = *end;
    } else {
      i_ = afterShift;
    }
  } else {
    i_ = afterShift;
  }
  const std::size_t afterNumbers = i_;
  SkipBlanks();
  if (At(i_) == u'(') {
    const std::size_t close = MatchingParenthesis(i_);
    ReadItems(i_, close, peak);
    i_ = close + 1;
  } else {
    i_ = afterNumbers;
  }
  return peak;
}

std::vector<Piece> NmrDataReader::Pieces(std::size_t start, std::size_t end) const {
  std::vector<Piece> pieces;
  int depth = 0;
  std::size_t from = start;
  for (std::size_t k = start; k <= end; ++k) {
    const char16_t c = k < end ? s_[k] : u',';
    if (c == u'(') ++depth;
    if (c == u')') --depth;
    if (depth == 0 && (c == u',' || c == u';')) {
      std::size_t pieceStart = from;
      const std::u16string_view text =
          Trimmed(std::u16string_view(s_).substr(from, k - from), pieceStart);
      pieces.push_back({pieceStart, text});
      from = k + 1;
    }
  }
  return pieces;
}

// '3H', '3 H', '2C', '2.5H'.
bool ReadCount(std::u16string_view text, NmrPeak& peak) {
  std::size_t k = 0;
  while (k < text.size() && (IsDigitChar(text[k]) || (k > 0 && text[k] == u'.'))) ++k;
  if (k == 0) return false;
  std::size_t element = k;
  while (element < text.size() && text[element] == u' ') ++element;
  const std::u16string_view rest = text.substr(element);
  const bool oneLetter = rest.size() == 1 && IsUpperChar(rest[0]);
  const bool twoLetters = rest.size() == 2 && IsUpperChar(rest[0]) && IsLowerChar(rest[1]);
  if (!oneLetter && !twoLetters) return false;
  peak.countNumber = text.substr(0, k);
  peak.countElement = rest;
  return true;
}

// A value: '8.0', '8.0 Hz', '8 Hz'.
std::optional<std::u16string> CouplingValue(std::u16string_view text) {
  std::size_t k = 0;
  while (k < text.size() && (IsDigitChar(text[k]) || (k > 0 && text[k] == u'.'))) ++k;
  if (k == 0 || text[k - 1] == u'.') return std::nullopt;
  std::u16string_view rest = text.substr(k);
  while (!rest.empty() && rest.front() == u' ') rest.remove_prefix(1);
  if (!rest.empty() && rest != u"Hz") return std::nullopt;
  return std::u16string(text.substr(0, k));
}

// 'J = 8.0 Hz', 'J 8.0', 'J1 = 8.0', '3JHH = 7.1 Hz', '3J(H,H) = 7.1': the value.
std::optional<std::u16string> CouplingStart(std::u16string_view text) {
  std::size_t k = 0;
  while (k < text.size() && IsDigitChar(text[k])) ++k;
  if (k >= text.size() || text[k] != u'J') return std::nullopt;
  ++k;
  // The label: the nuclei ('HH', 'H,F' in parentheses) or the index ('J1', 'J2').
  if (k < text.size() && text[k] == u'(') {
    const std::size_t close = text.find(u')', k);
    if (close == std::u16string_view::npos) return std::nullopt;
    k = close + 1;
  } else {
    while (k < text.size() && IsAlnumChar(text[k])) ++k;
  }
  while (k < text.size() && text[k] == u' ') ++k;
  if (k < text.size() && (text[k] == u'=' || text[k] == u':')) ++k;
  while (k < text.size() && text[k] == u' ') ++k;
  return CouplingValue(text.substr(k));
}

void NmrDataReader::ReadItems(std::size_t open, std::size_t close, NmrPeak& peak) const {
  const std::vector<Piece> pieces = Pieces(open + 1, close);
  bool inCouplings = false;
  bool haveCouplings = false;
  bool haveCount = false;
  bool haveMultiplicity = false;
  for (std::size_t n = 0; n < pieces.size(); ++n) {
    const Piece& piece = pieces[n];
    if (piece.text.empty()) {
      inCouplings = false;
      continue;
    }
    if (!haveCouplings || inCouplings) {
      if (auto value = CouplingStart(piece.text)) {
        peak.couplings.push_back(std::move(*value));
        inCouplings = haveCouplings = true;
        continue;
      }
      if (inCouplings) {
        if (auto value = CouplingValue(piece.text)) {
          peak.couplings.push_back(std::move(*value));
          continue;
        }
      }
    }
    inCouplings = false;
    if (!haveCount && ReadCount(piece.text, peak)) {
      haveCount = true;
      continue;
    }
    if (!haveMultiplicity && LooksLikeMultiplicity(piece.text)) {
      // A word of the vocabulary anywhere; an unknown word only where a multiplicity stands:
      // first in the parenthesis, or right behind the count.
      std::optional<std::u16string> known = KnownMultiplicity(piece.text);
      const bool multiplicityPlace = n == 0 || (n == 1 && haveCount);
      if (known || multiplicityPlace) {
        peak.multiplicity = known ? *known : std::u16string(piece.text);
        haveMultiplicity = true;
        continue;
      }
    }
    // The trailing item: from here to the closing parenthesis, as it stands.
    const Piece& last = pieces.back();
    const std::size_t end = last.text.empty() ? close : last.start + last.text.size();
    std::size_t trimmedEnd = std::max(end, piece.start + piece.text.size());
    while (trimmedEnd > piece.start && s_[trimmedEnd - 1] == u' ') --trimmedEnd;
    peak.trailing =
        TextSpan{static_cast<int32_t>(piece.start), static_cast<int32_t>(trimmedEnd - piece.start)};
    return;
  }
}

}  // namespace

NmrData ReadNmrData(std::u16string_view Text) {
  return NmrDataReader(Text).Read();
}

Nucleus ListNucleus(const NmrData& data) {
  if (data.header && !data.header->nucleus.element.empty()) {
    Nucleus nucleus = data.header->nucleus;
    if (nucleus.massNumber.empty()) {
      if (nucleus.element == u"H") nucleus.massNumber = u"1";
      if (nucleus.element == u"C") nucleus.massNumber = u"13";
      if (nucleus.element == u"F") nucleus.massNumber = u"19";
      if (nucleus.element == u"P") nucleus.massNumber = u"31";
      if (nucleus.element == u"N") nucleus.massNumber = u"15";
      if (nucleus.element == u"B") nucleus.massNumber = u"11";
    }
    return nucleus;
  }
  for (const NmrPeak& peak : data.peaks) {
    if (peak.countElement == u"C") return {u"13", u"C"};
    if (peak.countElement == u"F") return {u"19", u"F"};
    if (peak.countElement == u"P") return {u"31", u"P"};
    if (peak.countElement == u"H") return {u"1", u"H"};
  }
  return {u"1", u"H"};
}

}  // namespace glyphwright
