#include "nmr/nmr_specform_query.h"

#include <array>

#include "automation/automation_error.h"
#include "script/builders.h"
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
  std::u16string working = ToHalfWidth(Text);
  const bool paragraphAppended = working.empty() || working.back() != u'\r';
  if (paragraphAppended) working.push_back(u'\r');
  const auto length = static_cast<int64_t>(working.size());

  ScriptWriter script;
  // About ten script characters for every character of a table row.
  script.Reserve(working.size() * 12 + 512);
  // Behind the selection, after a paragraph break if it does not end with one, the marker
  // '!! '; the list is typed between the two "!".
  script.Command1(u"GoTo", u"EndOfSelection");
  if (paragraphAppended) script.Command(u"TypeParagraph");
  script.Command1(u"TypeText", u"!! ");
  script.Command1(u"GoTo", u"PrevChar");
  script.Command1(u"GoTo", u"PrevChar");

  // A bad shift in any row raises, and the script written so far goes with it.
  bool anyRow = false;
  int64_t offset = 0;
  for (std::u16string_view rest = working; !rest.empty();) {
    const std::size_t end = rest.find(u'\r');  // the working text always ends with one
    const std::u16string_view row = rest.substr(0, end);
    if (!TrimView(row).empty()) {
      WriteRow(script, row, offset);
      anyRow = true;
    }
    // Blank rows are skipped but still counted in the offsets of the rows behind them.
    offset += static_cast<int64_t>(row.size()) + 1;
    rest.remove_prefix(end + 1);
  }
  if (!anyRow) return {};  // no row at all: nothing to convert

  // The last ", " becomes the full stop; the second "!" goes; the table, the paragraph break
  // and the first "!" are cut; the two values left on the stack select the list.
  script.Command(u"TypeBackspace");
  script.Command(u"TypeBackspace");
  script.Command1(u"TypeText", u".");
  script.Command1(u"GoTo", u"NextChar");
  script.Command(u"TypeBackspace");
  script.Value(-1);
  script.Value(u"$CursorPosition");
  script.Value(length);
  script.Command(u"Minus");
  script.Command2(u"Cut", 0, length + 1);
  script.Command(u"TypeBackspace");
  script.Command(u"Select");
  return std::move(script).Script();
}

// '7.26 (1H, d, J = 8.0 Hz), ' for one row; the items inside the parentheses follow the
// SpecFormat order, the columns are found through the table order.
void NMRSpecFormQuery::WriteRow(ScriptWriter& script, std::u16string_view row,
                                int64_t offset) const {
  const Columns columns = SplitColumns(row);
  // Each field's cell, trimmed once. A table order that names a field twice leaves another
  // without a column: an empty one.
  std::array<std::u16string_view, kFieldCount> cells;
  for (int32_t field = 0; field < kFieldCount; ++field) {
    const int32_t column = tableOrder_.PositionOfField[field];
    if (column >= 0) cells[field] = TrimView(columns[column]);
  }
  const auto cell = [&](int32_t field) { return cells[field]; };

  const std::u16string_view shift = cell(FieldShift);
  if (!IsShift(shift)) throw AutomationError(1, u"Chemical shift is missing.");

  const auto writeItem = [&](int32_t field) {
    const std::u16string_view text = cell(field);
    switch (field) {
      case FieldCount:
      case FieldMultiplicity:
        script.Command1(u"TypeText", text);
        break;
      case FieldCoupling: {
        script.Command2(u"TypeStyledText", u"J", u"Italic");
        script.Command1(u"TypeText", u" = ");
        const std::vector<std::u16string> values = SplitText(text, u",");
        for (std::size_t m = 0; m < values.size(); ++m) {
          const bool last = m + 1 == values.size();
          script.Command1(u"TypeText", TrimView(values[m]));
          if (jValueStyle_ == kHzAfterEveryValue || (jValueStyle_ == kHzAfterLastValue && last)) {
            script.Command1(u"TypeText", u" Hz");
          }
          if (!last) script.Command1(u"TypeText", u", ");
        }
        break;
      }
      case FieldTrailing: {
        // Copied from the text as it stands, leading blanks included, formatting and all.
        int64_t start = offset;
        for (int32_t column = 0; column < FieldTrailing; ++column) {
          start += static_cast<int64_t>(columns[column].size()) + 1;
        }
        const auto trailingLength =
            static_cast<int64_t>(TrimEndView(columns[FieldTrailing]).size());
        script.Command2(u"Copy", start, trailingLength);
        script.Command(u"Paste");
        break;
      }
      default:
        break;
    }
  };

  script.Command1(u"TypeText", shift);
  // Only the items the SpecFormat order writes decide the parentheses: with an order that names a
  // field twice, a row whose only item is the one left out is written without them.
  bool anyItem = false;
  for (int32_t position = 1; position <= 4; ++position) {
    anyItem = anyItem || !cell(specOrder_.FieldAtPosition[position]).empty();
  }
  if (anyItem) {
    script.Command1(u"TypeText", u" (");
    for (int32_t position = 1; position <= 4; ++position) {
      const int32_t field = specOrder_.FieldAtPosition[position];
      if (cell(field).empty()) continue;
      writeItem(field);
      script.Command1(u"TypeText", u", ");
    }
    script.Command(u"TypeBackspace");
    script.Command(u"TypeBackspace");
    script.Command1(u"TypeText", u")");
  }
  script.Command1(u"TypeText", u", ");
}

}  // namespace glyphwright
