#include "chem/ion_formula_query.h"

#include "chem/scan_units.h"
#include "chem/shared_queries.h"
#include "script/text_length.h"

namespace glyphwright {

void IonFormulaQuery::FetchSharedQueries() {
  subscript_ = SharedSubscriptQuery();
  superscript_ = SharedSuperscriptQuery();
  tripleBond_ = SharedTripleBondTransQuery();
}

std::u16string IonFormulaQuery::GetCommands(std::u16string_view Text) {
  const CodeArray chars = ScanChars(Text);
  if (!subscript_) FetchSharedQueries();
  return WriteUnits(chars, *tripleBond_, *subscript_, *superscript_);
}

std::u16string IonFormulaQuery::GetOwnedCommands(std::u16string Text) {
  const CodeArray chars = ScanOwnedChars(std::move(Text));
  if (!subscript_) FetchSharedQueries();
  return WriteUnits(chars, *tripleBond_, *subscript_, *superscript_);
}

void IonFormulaQuery::StreamCommands(std::u16string Text, ScriptSink& sink) {
  const CodeArray chars = ScanOwnedChars(std::move(Text));
  if (!subscript_) FetchSharedQueries();
  StreamUnits(chars, sink, *tripleBond_, *subscript_, *superscript_);
}

}  // namespace glyphwright
