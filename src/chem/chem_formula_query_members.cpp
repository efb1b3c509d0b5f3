// The automation surface of ChemFormulaQuery, in interface order.
#include "chem/chem_formula_query.h"

namespace glyphwright {

MemberTable ChemFormulaQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::ItalicCommand, &Self::SetItalicCommand>(u"ItalicCommand", 0x40030003),
           Method<&Self::GetCommands>(u"GetCommands", 0x60030000, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
