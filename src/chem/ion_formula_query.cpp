#include "chem/ion_formula_query.h"

#include "chem/scan_units.h"
#include "chem/shared_queries.h"
#include "script/text_length.h"

namespace glyphwright {

std::u16string IonFormulaQuery::GetCommands(std::u16string_view Text) {
  const CodeArray chars = ScanChars(Text);
  if (!subscript_) {
    subscript_ = SharedSubscriptQuery();
    superscript_ = SharedSuperscriptQuery();
    tripleBond_ = SharedTripleBondTransQuery();
  }
  return WriteUnits(chars, *tripleBond_, *subscript_, *superscript_);
}

}  // namespace glyphwright
