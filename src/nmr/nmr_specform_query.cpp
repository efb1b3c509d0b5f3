#include "nmr/nmr_specform_query.h"

#include <array>

#include "automation/automation_error.h"
#include "nmr/half_width_text.h"
#include "nmr/script_buffer.h"
#include "script/text_length.h"
#include "text/lib.h"

namespace glyphwright {
namespace {

// The first five tab-separated columns of a row; missing ones are empty, later ones dropped.
using Columns = std::array<std::u16string_view, kFieldCount>;

Columns SplitColumns(std::u16string_view row) {
  Columns columns;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const std::size_t tab = row.find(u'\t');
    columns[k] = row.substr(0, tab);
    if (tab == std::u16string_view::npos) break;
    row.remove_prefix(tab + 1);
  }
  return columns;
}

// TrimView and TrimEndView with the class of IsSpaceChar known here: a row is a dozen trims, and a
// call per character of each would cost more than the row's script.
std::u16string_view TrimCellEnd(std::u16string_view text) {
  while (!text.empty() && IsSpaceChar(text.back())) text.remove_suffix(1);
  return text;
}

std::u16string_view TrimCell(std::u16string_view text) {
  while (!text.empty() && IsSpaceChar(text.front())) text.remove_prefix(1);
  return TrimCellEnd(text);
}

// Digits, "-", ".", blanks and the range marks "~" (full-width tildes arrive folded) and the
// wave dash of Japanese text.
bool IsShift(std::u16string_view shift) {
  if (shift.empty()) return false;
  for (const char16_t c : shift) {
    if (!IsDigitChar(c) && c != u'-' && c != u'.' && c != u' ' && c != u'~' && c != u'\u301C') {
      return false;
    }
  }
  return true;
}

}  // namespace

std::u16string NMRSpecFormQuery::GetCommands(std::u16string_view Text) const {
  CheckTextLength(Text);
  const HalfWidthText folded(Text);
  const std::u16string_view table = folded.View();
  // The script's offsets count a paragraph break behind a table that does not end with one.
  const bool paragraphAppended = table.empty() || table.back() != u'\r';
  const auto length = static_cast<int64_t>(table.size()) + (paragraphAppended ? 1 : 0);

  // About fourteen script characters for every character of a table row.
  ScriptBuffer script(table.size() * 16 + 256);
  // Behind the selection, after a paragraph break if it does not end with one, the marker
  // '!! '; the list is typed between the two "!".
  script.Append(u"=EndOfSelection\nGoTo\n");
  if (paragraphAppended) script.Append(u"TypeParagraph\n");
  script.Append(u"=!! \nTypeText\n=PrevChar\nGoTo\n=PrevChar\nGoTo\n");

  // A bad shift in any row raises, and the script written so far goes with it.
  bool anyRow = false;
  int64_t offset = 0;
  for (std::u16string_view rest = table; !rest.empty();) {
    const std::size_t end = rest.find(u'\r');  // none behind the last row
    const std::u16string_view row = rest.substr(0, end);
    if (!TrimCell(row).empty()) {
      WriteRow(script, row, offset);
      anyRow = true;
    }
    if (end == std::u16string_view::npos) break;
    // Blank rows are skipped but still counted in the offsets of the rows behind them.
    offset += static_cast<int64_t>(row.size()) + 1;
    rest.remove_prefix(end + 1);
  }
  if (!anyRow) return {};  // no row at all: nothing to convert

  // The last ", " becomes the full stop; the second "!" goes; the table, the paragraph break
  // and the first "!" are cut; the two values left on the stack select the list.
  script.Append(
      u"TypeBackspace\nTypeBackspace\n=.\nTypeText\n=NextChar\nGoTo\nTypeBackspace\n=-1\n"
      u"=$CursorPosition\n");
  script.Value(length);
  script.Append(u"Minus\n=0\n");
  script.Value(length + 1);
  script.Append(u"Cut\nTypeBackspace\nSelect\n");
  return std::move(script).Take();
}

// '7.26 (1H, d, J = 8.0 Hz), ' for one row; the items inside the parentheses follow the
// SpecFormat order, the columns are found through the table order.
void NMRSpecFormQuery::WriteRow(ScriptBuffer& script, std::u16string_view row,
                                int64_t offset) const {
  const Columns columns = SplitColumns(row);
  // Each field's cell, trimmed once. A table order that names a field twice leaves another
  // without a column: an empty one.
  std::array<std::u16string_view, kFieldCount> cells;
  for (int32_t field = 0; field < kFieldCount; ++field) {
    const int32_t column = tableOrder_.PositionOfField[field];
    if (column >= 0) cells[field] = TrimCell(columns[column]);
  }
  const auto cell = [&](int32_t field) { return cells[field]; };

  const std::u16string_view shift = cell(FieldShift);
  if (!IsShift(shift)) throw AutomationError(1, u"Chemical shift is missing.");

  const auto writeCouplings = [&](std::u16string_view text) {
    script.Append(u"=J\n=Italic\nTypeStyledText\n= = \nTypeText\n");
    // The values between the commas, each trimmed; an empty one is typed empty.
    for (std::u16string_view rest = text;;) {
      const std::size_t comma = rest.find(u',');
      const bool last = comma == std::u16string_view::npos;
      script.TypeText(TrimCell(rest.substr(0, comma)));
      if (jValueStyle_ == kHzAfterEveryValue || (jValueStyle_ == kHzAfterLastValue && last)) {
        script.Append(u"= Hz\nTypeText\n");
      }
      if (last) break;
      script.Append(u"=, \nTypeText\n");
      rest.remove_prefix(comma + 1);
    }
  };
  const auto writeItem = [&](int32_t field) {
    const std::u16string_view text = cell(field);
    switch (field) {
      case FieldCount:
      case FieldMultiplicity:
        script.TypeText(text);
        break;
      case FieldCoupling:
        writeCouplings(text);
        break;
      case FieldTrailing: {
        // Copied from the text as it stands, leading blanks included, formatting and all.
        int64_t start = offset;
        for (int32_t column = 0; column < FieldTrailing; ++column) {
          start += static_cast<int64_t>(columns[column].size()) + 1;
        }
        script.Value(start);
        script.Value(static_cast<int64_t>(TrimCellEnd(columns[FieldTrailing]).size()));
        script.Append(u"Copy\nPaste\n");
        break;
      }
      default:
        break;
    }
  };

  script.TypeText(shift);
  // Only the items the SpecFormat order writes decide the parentheses: with an order that names a
  // field twice, a row whose only item is the one left out is written without them.
  bool anyItem = false;
  for (int32_t position = 1; position <= 4; ++position) {
    anyItem = anyItem || !cell(specOrder_.FieldAtPosition[position]).empty();
  }
  if (anyItem) {
    script.Append(u"= (\nTypeText\n");
    for (int32_t position = 1; position <= 4; ++position) {
      const int32_t field = specOrder_.FieldAtPosition[position];
      if (cell(field).empty()) continue;
      writeItem(field);
      script.Append(u"=, \nTypeText\n");
    }
    script.Append(u"TypeBackspace\nTypeBackspace\n=)\nTypeText\n");
  }
  script.Append(u"=, \nTypeText\n");
}

}  // namespace glyphwright
