#include "nmr/peak_list_parser.h"

#include "automation/automation_error.h"
#include "nmr/half_width_text.h"
#include "nmr/peak_scanner.h"
#include "text/lib.h"

namespace glyphwright {
namespace {

using namespace peak_failures;

// Rejects the list: number 1 with the message, and where reading stopped.
struct PeakListFailure {
  AutomationError error;
  int32_t offset;
};

[[noreturn]] void FailAt(int32_t offset, std::u16string_view message) {
  throw PeakListFailure{AutomationError(1, std::u16string(message)), offset};
}

class PeakListParser {
 public:
  PeakListParser(std::u16string_view sourceText, const FieldOrder& specOrder, bool strict)
      : source_(sourceText), scanner_(sourceText), specOrder_(specOrder), strict_(strict) {}

  PeakList Read();

 private:
  // The peak is read into its place in the list: its texts are written once, never moved.
  void ReadPeak(PeakCells& peak);
  void CheckStrict(const PeakCells& peak, int32_t peakStart) const;
  [[noreturn]] void Fail(std::u16string_view message) const {
    FailAt(scanner_.CurrentIndex(), message);
  }
  // Each item reader answers whether it found its item and writes the item's text, which is
  // empty when it did not.
  bool ParseItem(int32_t field, std::u16string& text);

  std::u16string_view ParseDecimal();
  bool AppendNumber(std::u16string& text);
  void ParseChemicalShift(std::u16string& shift);
  bool ParseNumberAndAtom(std::u16string& text);
  bool ParseCouplingPattern(std::u16string& text);
  bool ParseCouplingConstants(std::u16string& values);
  void SkipToCloseParenthesis();

  std::u16string_view source_;
  PeakScanner scanner_;
  const FieldOrder& specOrder_;
  bool strict_;
};

PeakList PeakListParser::Read() {
  // The list begins behind the first Greek delta, small or capital, or at the start of the text.
  int32_t delta = 0;
  const auto length = static_cast<int32_t>(source_.size());
  while (delta < length && source_[delta] != u'\u03B4' && source_[delta] != u'\u0394') ++delta;
  scanner_.StartAt(delta == length ? -1 : delta);
  scanner_.Advance();
  scanner_.SkipBlanks();

  PeakList list;
  // Most lists are a handful of peaks: one allocation, and no peak moved as the list grows.
  list.peaks.reserve(8);
  list.ListStart = scanner_.CurrentIndex();
  if (scanner_.AtEnd()) {
    // Nothing after the delta (or an empty text): no list at all.
    list.ListEnd = list.ListStart;
    return list;
  }
  for (;;) {
    ReadPeak(list.peaks.emplace_back());
    scanner_.SkipBlanks();
    if (scanner_.Is(u'.') || scanner_.Is(u'\r')) {
      scanner_.Advance();
      scanner_.SkipBlanks();
      break;
    }
    // The end of the text ends the list as a terminator would; there is nothing to step over.
    if (scanner_.AtEnd()) break;
    if (!scanner_.Accept(u',')) Fail(kMissingComma);
  }
  list.ListEnd = scanner_.CurrentIndex();
  return list;
}

void PeakListParser::ReadPeak(PeakCells& peak) {
  scanner_.SkipBlanks();
  const int32_t peakStart = scanner_.CurrentIndex();
  peak.cells[FieldShift].present = true;
  ParseChemicalShift(peak.cells[FieldShift].text);
  scanner_.SkipBlanks();
  if (scanner_.Accept(u'(')) {
    scanner_.SkipBlanks();
    bool closed = false;
    for (int32_t position = 1; position <= 3 && !closed; ++position) {
      const int32_t field = specOrder_.FieldAtPosition[position];
      scanner_.SkipBlanks();
      // An order that names a field twice reads it twice; the later reading is the one kept.
      PeakCell& cell = peak.cells[field];
      cell.present = true;
      // An item that was not found consumed nothing and needs no comma.
      if (!ParseItem(field, cell.text)) continue;
      scanner_.SkipBlanks();
      if (scanner_.Is(u')')) {
        closed = true;
      } else if (!scanner_.Accept(u',')) {
        Fail(kMissingCloseParenthesis);
      }
    }
    if (!closed) {
      // Whatever is left before the matching ")" is the trailing item, blanks included.
      scanner_.SkipBlanks();
      if (!scanner_.Is(u')')) {
        const int32_t start = scanner_.CurrentIndex();
        SkipToCloseParenthesis();
        peak.trailing = TextSpan{start, scanner_.CurrentIndex() - start};
      }
    }
    scanner_.Advance();  // past the ")"
  }
  if (strict_) CheckStrict(peak, peakStart);
}

// A peak that lacks an item is pointed at by its start: the scanner already stands behind it.
void PeakListParser::CheckStrict(const PeakCells& peak, int32_t peakStart) const {
  if (peak.cells[FieldShift].text.empty()) FailAt(peakStart, kMissingChemicalShift);
  if (!peak.cells[FieldCoupling].text.empty() && peak.cells[FieldMultiplicity].text.empty()) {
    FailAt(peakStart, kMissingCouplingPattern);
  }
  if (peak.cells[FieldCount].text.empty()) FailAt(peakStart, kMissingNumberAndAtom);
}

bool PeakListParser::ParseItem(int32_t field, std::u16string& text) {
  text.clear();
  switch (field) {
    case FieldCount:
      return ParseNumberAndAtom(text);
    case FieldMultiplicity:
      return ParseCouplingPattern(text);
    case FieldCoupling:
      return ParseCouplingConstants(text);
    default:
      throw errors::InternalError();
  }
}

// Digits, then optionally "." and more digits: '7', '7.', '7.26'; never '.5'.
std::u16string_view PeakListParser::ParseDecimal() {
  const int32_t start = scanner_.CurrentIndex();
  if (scanner_.ReadDigits().empty()) return {};
  if (scanner_.Accept(u'.')) scanner_.ReadDigits();
  return scanner_.TextFrom(start);
}

// An optionally signed decimal, blanks allowed after the sign: '- 0.5' is '-0.5', appended to
// text. No digit where the number must start appends nothing and answers false; both callers
// take that as "no number here", so it is never a failure of the list.
bool PeakListParser::AppendNumber(std::u16string& text) {
  const bool negative = scanner_.Accept(u'-');
  scanner_.SkipBlanks();
  const std::u16string_view decimal = ParseDecimal();
  if (decimal.empty()) return false;
  if (negative) text.push_back(u'-');
  text.append(decimal);
  return true;
}

// A shift or a range '7.26 - 7.30', written '7.26-7.30'; the empty text when there is no number.
void PeakListParser::ParseChemicalShift(std::u16string& shift) {
  shift.clear();
  const PeakScanner::State saved = scanner_.Save();
  if (!AppendNumber(shift)) {
    scanner_.Restore(saved);
    return;
  }
  scanner_.SkipBlanks();
  // A range separator: a hyphen, a tilde (full-width tildes arrive folded) or the wave dash of
  // Japanese text.
  if (scanner_.Accept(u'-') || scanner_.Accept(u'~') || scanner_.Accept(u'\u301C')) {
    scanner_.SkipBlanks();
    shift.push_back(u'-');
    if (!AppendNumber(shift)) {
      scanner_.Restore(saved);
      shift.clear();
      return;
    }
    scanner_.SkipBlanks();
  }
}

// A decimal immediately followed by letters: '1H', '13C', '2.5H'.
bool PeakListParser::ParseNumberAndAtom(std::u16string& text) {
  const PeakScanner::State saved = scanner_.Save();
  if (!ParseDecimal().empty() && !scanner_.ReadLetters().empty()) {
    text.assign(scanner_.TextFrom(saved));
    return true;
  }
  scanner_.Restore(saved);
  return false;
}

// Everything up to the next "," or ")", with no digit in it and not beginning with "J"; it may
// be empty ('(1H, , J = 7 Hz)'). The scanner stays on the "," or ")".
bool PeakListParser::ParseCouplingPattern(std::u16string& text) {
  const PeakScanner::State saved = scanner_.Save();
  if (scanner_.Is(u'J')) return false;
  for (;;) {
    if (scanner_.AtEnd()) Fail(kUnexpectedEnd);
    if (scanner_.Is(u',') || scanner_.Is(u')')) break;
    if (scanner_.IsDigit()) {
      scanner_.Restore(saved);
      return false;
    }
    scanner_.Advance();
  }
  text.assign(scanner_.TextFrom(saved));
  return true;
}

// 'J = 8.0, 2.0 Hz' gives '8.0, 2.0'. A value counts only when "," or ")" follows it (after an
// optional "Hz"); the values confirmed before one that does not are kept, and the scanner goes
// back to the comma behind the last of them, or to the "J" when there is none.
bool PeakListParser::ParseCouplingConstants(std::u16string& values) {
  PeakScanner::State fallBack = scanner_.Save();
  if (scanner_.ReadLetters() != u"J") {
    scanner_.Restore(fallBack);
    return false;
  }
  scanner_.SkipBlanks();
  if (!scanner_.Accept(u'=')) {
    scanner_.Restore(fallBack);
    return false;
  }

  bool any = false;
  for (;;) {
    // Each value is written behind the confirmed ones at once, and taken back unless confirmed.
    const std::size_t confirmed = values.size();
    const auto refuse = [&] {
      values.resize(confirmed);
      scanner_.Restore(fallBack);
    };
    // Keeps the value; true when a comma follows and the loop goes on.
    const auto confirm = [&] {
      any = true;
      if (!scanner_.Is(u',')) return false;
      fallBack = scanner_.Save();
      scanner_.Advance();
      return true;
    };
    scanner_.SkipBlanks();
    if (any) values += u", ";
    if (!AppendNumber(values)) {
      refuse();
      break;
    }
    scanner_.SkipBlanks();
    if (scanner_.AtEnd()) Fail(kUnexpectedEnd);
    if (scanner_.Is(u')') || scanner_.Is(u',')) {
      if (confirm()) continue;
      break;
    }
    if (scanner_.ReadLetters() != u"Hz") {
      refuse();
      break;
    }
    scanner_.SkipBlanks();
    if (scanner_.Is(u')') || scanner_.Is(u',')) {
      if (confirm()) continue;
      break;
    }
    refuse();
    break;
  }
  if (!any) scanner_.Restore(fallBack);
  return any;
}

// On to the ")" that closes the current parenthesis, over nested pairs; it is not consumed.
void PeakListParser::SkipToCloseParenthesis() {
  int32_t depth = 0;
  for (;;) {
    if (scanner_.AtEnd()) Fail(kUnexpectedEnd);
    if (scanner_.Is(u')')) {
      if (depth <= 0) return;
      --depth;
    } else if (scanner_.Is(u'(')) {
      ++depth;
    }
    scanner_.Advance();
  }
}

}  // namespace

PeakListReading ParsePeakList(std::u16string_view Text, const FieldOrder& specOrder, bool strict) {
  const HalfWidthText sourceText(Text);
  try {
    return {PeakListParser(sourceText.View(), specOrder, strict).Read(), {}};
  } catch (const PeakListFailure& failure) {
    return {std::nullopt, failure.error.Description(), failure.offset};
  } catch (const AutomationError& failure) {
    return {std::nullopt, failure.Description(), 0};
  }
}

}  // namespace glyphwright
