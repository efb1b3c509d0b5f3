#include "chem/chem_formula_query.h"

#include "chem/prefix_list.h"
#include "chem/scan_units.h"
#include "chem/shared_queries.h"
#include "script/text_length.h"

namespace glyphwright {

// The references are kept only once all three are fetched: after a failed prefix load the
// object holds none, and its next call tries again.
void ChemFormulaQuery::FetchSharedQueries() {
  auto subscript = SharedSubscriptQuery();
  auto prefixes = SharedPrefixQuery();
  prefixes->SetCommand(italicCommand_);
  auto tripleBond = SharedTripleBondTransQuery();
  subscript_ = std::move(subscript);
  prefixes_ = std::move(prefixes);
  tripleBond_ = std::move(tripleBond);
}

std::u16string ChemFormulaQuery::GetCommands(std::u16string_view Text) {
  const CodeArray chars = ScanChars(Text);
  if (!prefixes_) FetchSharedQueries();
  return WriteUnits(chars, *prefixes_, *subscript_, *tripleBond_);
}

std::u16string ChemFormulaQuery::GetOwnedCommands(std::u16string Text) {
  const CodeArray chars = ScanOwnedChars(std::move(Text));
  if (!prefixes_) FetchSharedQueries();
  return WriteUnits(chars, *prefixes_, *subscript_, *tripleBond_);
}

void ChemFormulaQuery::StreamCommands(std::u16string Text, ScriptSink& sink) {
  const CodeArray chars = ScanOwnedChars(std::move(Text));
  if (!prefixes_) FetchSharedQueries();
  StreamUnits(chars, sink, *prefixes_, *subscript_, *tripleBond_);
}

}  // namespace glyphwright
