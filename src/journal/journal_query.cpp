#include "journal/journal_query.h"

#include "journal/number_readers.h"
#include "script/builders.h"
#include "script/text_length.h"
#include "text/char_class.h"

namespace glyphwright {
namespace {

using journal::At;
using journal::Length;
using journal::ReadDigitRun;
using journal::ReadNumberWithParen;
using journal::ReadParenDigits;

// A name run holds letters, digits, full stops and spaces: 'J. Am. Chem. Soc.'.
bool IsNameChar(char16_t code) {
  return IsAlnumChar(code) || code == u'.' || code == u' ';
}

bool IsCentury(std::u16string_view digits) {
  return digits.starts_with(u"19") || digits.starts_with(u"20");
}

// Each matcher tries one candidate whose name run is chars[i, j) with the comma at j. It writes
// the script and answers true on success; on failure it answers false and leaves in `cursor`
// where the scan has got to, so that the search resumes just behind it.

// 'Name 1999, 121, 1234', 'Name 1999, 121(3), 1234' or 'Name 1999, 1234': the year closes the
// name run, the volume (if any) follows the comma.
bool MatchYearFirst(const CodeArray& chars, int32_t i, int32_t j, int32_t& cursor,
                    ScriptWriter& script) {
  const int32_t nameLength = j - i - 5;
  const int32_t yearStart = j - 4;
  int32_t& p = cursor;
  p = j + 1;
  if (At(chars, p) != u' ') return false;
  ++p;  // the volume starts here; the cursor stays on it, later tests look ahead with q

  const std::u16string_view vol = ReadDigitRun(chars, p);
  int32_t q = p + Length(vol);
  int32_t volumeLength = 0;
  switch (At(chars, q)) {
    case u'(': {
      volumeLength = Length(vol);
      const std::u16string_view issue = ReadDigitRun(chars, q + 1);
      if (issue.empty()) return false;
      q += 1 + Length(issue);
      if (At(chars, q) != u')' || At(chars, q + 1) != u',' || At(chars, q + 2) != u' ') {
        return false;
      }
      if (ReadDigitRun(chars, q + 3).empty()) return false;
      break;
    }
    case u',':
      volumeLength = Length(vol);
      if (volumeLength == 0) return false;
      if (At(chars, q + 1) != u' ' || ReadDigitRun(chars, q + 2).empty()) return false;
      break;
    default:
      // A number followed by anything else is pages without a volume: 'Synthesis 1999, 1234.'.
      if (vol.empty()) return false;
      break;
  }

  script.Command2(u"Italic", i, nameLength);
  script.Command2(u"Bold", yearStart, 4);
  if (volumeLength > 0) script.Command2(u"Italic", p, volumeLength);
  return true;
}

// 'Name, 1999, 40, 1234' (year after the name) or 'Name, 40, 1234 (1999)' (year last); in the
// year-last layout the number after the name may also be pages: 'Name, 1234-1240 (1999)'.
bool MatchNameComma(const CodeArray& chars, int32_t i, int32_t j, int32_t& cursor,
                    ScriptWriter& script) {
  const int32_t nameLength = j - i;
  int32_t& p = cursor;
  p = j + 1;
  char16_t c = At(chars, p++);
  if (c != u' ') return false;

  int32_t digitCount = 0;
  bool hasParen = false;
  const std::u16string_view vol = ReadNumberWithParen(chars, p, digitCount, hasParen);
  if (vol.empty()) return false;
  const int32_t volStart = p;
  int32_t boldLength = digitCount;
  p += Length(vol);
  c = At(chars, p++);

  bool commaFollows = false;  // the number is followed by ", ": a year or a volume, then more
  switch (c) {
    case u' ':  // the number was pages, not a volume
      if (hasParen) return false;
      boldLength = 0;
      break;
    case u'-':  // a page range, the second page possibly missing
      if (hasParen) return false;
      p += Length(ReadDigitRun(chars, p));
      c = At(chars, p++);
      if (c != u' ') return false;
      boldLength = 0;
      break;
    case u',':
      c = At(chars, p++);
      if (c != u' ') return false;
      commaFollows = true;
      break;
    default:
      break;
  }

  if (commaFollows) {
    // Year after the name: the number just read was the year, the volume follows.
    if (!hasParen && digitCount == 4 && IsCentury(vol)) {
      int32_t secondCount = 0;
      bool secondParen = false;
      const std::u16string_view second = ReadNumberWithParen(chars, p, secondCount, secondParen);
      if (!second.empty()) {
        const int32_t secondStart = p;
        p += Length(second);
        if (At(chars, p++) != u',') return false;
        if (At(chars, p++) != u' ') return false;
        if (ReadDigitRun(chars, p).empty()) return false;
        script.Command2(u"Italic", i, nameLength);
        if (secondCount > 0) script.Command2(u"Bold", secondStart, secondCount);
        return true;
      }
    }
    // Pages, a single page or a range, then a space.
    const std::u16string_view first = ReadDigitRun(chars, p);
    if (first.empty()) return false;
    p += Length(first);
    c = At(chars, p++);
    if (c == u'-') {
      const std::u16string_view last = ReadDigitRun(chars, p);
      if (last.empty()) return false;
      p += Length(last);
      c = At(chars, p++);
    }
    if (c != u' ') return false;
  }

  // Year last: '(1999)' right here.
  const std::u16string_view year = ReadParenDigits(chars, p);
  if (year.size() != 6 || !IsCentury(year.substr(1))) return false;
  script.Command2(u"Italic", i, nameLength);
  if (boldLength > 0) script.Command2(u"Bold", volStart, boldLength);
  return true;
}

}  // namespace

std::u16string JournalQuery::GetCommands(std::u16string_view Text) const {
  const CodeArray chars = ScanChars(Text);
  const int32_t length = Length(chars);

  ScriptWriter script;
  int32_t i = 0;
  while (i <= length) {
    if (!IsUpperChar(At(chars, i))) {
      ++i;
      continue;
    }
    int32_t p = i + 1;
    while (IsNameChar(At(chars, p))) ++p;
    if (At(chars, p) == u',') {
      const int32_t j = p;
      // A name run that ends in a space and four digits carries its year: 'Synthesis 1999,'.
      const bool yearFirst =
          j - i >= 5 && At(chars, j - 5) == u' ' && Length(ReadDigitRun(chars, j - 4)) >= 4;
      const bool matched = yearFirst ? MatchYearFirst(chars, i, j, p, script)
                                     : MatchNameComma(chars, i, j, p, script);
      if (matched) return std::move(script).Script();
    }
    // A failed candidate is given up where the scan has got to; no earlier start is retried.
    i = p + 1;
  }
  return {};
}

}  // namespace glyphwright
