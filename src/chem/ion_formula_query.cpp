#include "chem/ion_formula_query.h"

#include "chem/prepared_text.h"
#include "chem/script_length.h"
#include "chem/shared_queries.h"

namespace glyphwright {

std::u16string IonFormulaQuery::GetCommands(std::u16string_view Text) {
  CodeArray chars;
  PrepareChars(Text, chars);
  if (!subscript_) {
    subscript_ = SharedSubscriptQuery();
    superscript_ = SharedSuperscriptQuery();
    tripleBond_ = SharedTripleBondTransQuery();
  }
  ScriptWriter out;
  out.Reserve(ScriptRoom(chars, tripleBond_, subscript_, superscript_));
  tripleBond_->AppendCommands(chars, out);
  subscript_->AppendCommands(chars, out);
  superscript_->AppendCommands(chars, out);
  return std::move(out).Script();
}

}  // namespace glyphwright
