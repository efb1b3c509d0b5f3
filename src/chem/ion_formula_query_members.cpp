// The automation surface of IonFormulaQuery, in interface order.
#include "chem/ion_formula_query.h"

namespace glyphwright {

MemberTable IonFormulaQuery::Members() {
  static constexpr auto kMembers =
      Rows(Method<&Self::GetCommands>(u"GetCommands", 0x60030000, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
