// The automation surface of ChemFormulaQuery, in interface order.
#include "chem/chem_formula_query.h"

namespace glyphwright {
namespace {

// GetCommands by its view form: the form for a handed-over text is for C++ callers only.
constexpr auto ByView(std::u16string (ChemFormulaQuery::*getCommands)(std::u16string_view)) {
  return getCommands;
}

}  // namespace

MemberTable ChemFormulaQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::ItalicCommand, &Self::SetItalicCommand>(u"ItalicCommand", 0x40030003),
           Method<ByView(&Self::GetCommands)>(u"GetCommands", 0x60030000, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
