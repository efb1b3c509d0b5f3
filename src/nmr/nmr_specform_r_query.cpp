#include "nmr/nmr_specform_r_query.h"

#include "script/builders.h"
#include "script/text_length.h"

namespace glyphwright {
namespace {

// Typed cells; an absent cell (a field never tried) types nothing, an empty one types "".
void WriteCell(ScriptWriter& script, const PeakCell& cell) {
  if (cell.present) script.Command1(u"TypeText", cell.text);
}

void WriteTab(ScriptWriter& script) {
  script.Command1(u"TypeText", u"\t");
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
  ScriptWriter script;
  // A row is about ten script characters for every character of its peak, plus the tabs.
  script.Reserve(static_cast<std::size_t>(list.ListEnd - list.ListStart) * 10 +
                 list.peaks.size() * 64 + 512);
  script.Command1(u"GoTo", list.ListEnd);
  script.Command(u"TypeParagraph");
  // A marker behind the new paragraph break; the rows are typed in front of it.
  script.Command1(u"TypeText", u"!");
  script.Command1(u"GoTo", u"PrevChar");

  for (const PeakCells& peak : list.peaks) {
    WriteCell(script, peak.cells[FieldShift]);
    WriteTab(script);
    for (int32_t position = 1; position <= 3; ++position) {
      WriteCell(script, peak.cells[tableOrder_.FieldAtPosition[position]]);
      WriteTab(script);
    }
    if (peak.trailing) {
      script.Command2(u"Copy", peak.trailing->start, peak.trailing->length);
      script.Command(u"Paste");
    }
    script.Command(u"TypeParagraph");
  }

  script.Command1(u"GoTo", u"NextChar");
  script.Command(u"TypeBackspace");
  // Where the table begins once the old list is gone, and the length of the new rows: from
  // behind the paragraph break typed after ListEnd up to the cursor.
  script.Value(list.ListStart + 1);
  script.Value(u"$CursorPosition");
  script.Value(1);
  script.Command(u"Minus");
  script.Value(list.ListEnd);
  script.Command(u"Minus");
  script.Command2(u"Cut", list.ListStart, list.ListEnd - list.ListStart);
  script.Command(u"Select");
  script.Command1(u"ApplyStyle", u"NMR Spec Table");
  return std::move(script).Script();
}

}  // namespace glyphwright
