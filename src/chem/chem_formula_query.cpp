#include "chem/chem_formula_query.h"

#include "chem/prefix_list.h"
#include "chem/prepared_text.h"
#include "chem/script_length.h"
#include "chem/shared_queries.h"

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
  CodeArray chars;
  PrepareChars(Text, chars);
  if (!prefixes_) FetchSharedQueries();
  ScriptWriter out;
  out.Reserve(ScriptRoom(chars, prefixes_, subscript_, tripleBond_));
  prefixes_->AppendCommands(chars, out);
  subscript_->AppendCommands(chars, out);
  tripleBond_->AppendCommands(chars, out);
  return std::move(out).Script();
}

}  // namespace glyphwright
