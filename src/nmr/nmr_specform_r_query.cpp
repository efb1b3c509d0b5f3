#include "nmr/nmr_specform_r_query.h"

#include "nmr/script_buffer.h"
#include "script/text_length.h"

namespace glyphwright {
namespace {

// Typed cells; an absent cell (a field never tried) types nothing, an empty one types "".
void WriteCell(ScriptBuffer& script, const PeakCell& cell) {
  if (cell.present) script.TypeText(cell.text);
}

}  // namespace

std::u16string NMRSpecFormRQuery::GetCommands(std::u16string_view Text) const {
  // All or nothing: a rejected list, or any other failure, leaves the document as it was.
  try {
    CheckTextLength(Text);  // a text too long for Long offsets is refused like any other
    const PeakListReading reading = ParsePeakList(Text, specOrder_, strict_);
    if (!reading.list || reading.list->peaks.empty()) return {};
    return TableScript(*reading.list);
  } catch (...) {
    return {};
  }
}

// Every offset is one of the text as given, computed before the script changes anything. The
// rows are typed behind the old list, so the stretches they copy from it stay where they are;
// the old list is cut only after the last copy, and the selection is computed for the document
// after the cut.
std::u16string NMRSpecFormRQuery::TableScript(const PeakList& list) const {
  // A row is about five script characters for every character of its peak, tabs included.
  ScriptBuffer script(static_cast<std::size_t>(list.ListEnd - list.ListStart) * 6 + 256);
  script.Value(list.ListEnd);
  // A marker behind the new paragraph break; the rows are typed in front of it.
  script.Append(u"GoTo\nTypeParagraph\n=!\nTypeText\n=PrevChar\nGoTo\n");

  for (const PeakCells& peak : list.peaks) {
    WriteCell(script, peak.cells[FieldShift]);
    script.Append(u"=\t\nTypeText\n");
    for (int32_t position = 1; position <= 3; ++position) {
      WriteCell(script, peak.cells[tableOrder_.FieldAtPosition[position]]);
      script.Append(u"=\t\nTypeText\n");
    }
    if (peak.trailing) {
      script.Value(peak.trailing->start);
      script.Value(peak.trailing->length);
      script.Append(u"Copy\nPaste\n");
    }
    script.Append(u"TypeParagraph\n");
  }

  script.Append(u"=NextChar\nGoTo\nTypeBackspace\n");
  // Where the table begins once the old list is gone, and the length of the new rows: from
  // behind the paragraph break typed after ListEnd up to the cursor.
  script.Value(list.ListStart + 1);
  script.Append(u"=$CursorPosition\n=1\nMinus\n");
  script.Value(list.ListEnd);
  script.Append(u"Minus\n");
  script.Value(list.ListStart);
  script.Value(list.ListEnd - list.ListStart);
  script.Append(u"Cut\nSelect\n=NMR Spec Table\nApplyStyle\n");
  return std::move(script).Take();
}

}  // namespace glyphwright
