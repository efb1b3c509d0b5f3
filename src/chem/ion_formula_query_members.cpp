// The automation surface of IonFormulaQuery, in interface order.
#include "chem/ion_formula_query.h"

namespace glyphwright {
namespace {

// GetCommands by its view form: the form for a handed-over text is for C++ callers only.
constexpr auto ByView(std::u16string (IonFormulaQuery::*getCommands)(std::u16string_view)) {
  return getCommands;
}

}  // namespace

MemberTable IonFormulaQuery::Members() {
  static constexpr auto kMembers =
      Rows(Method<ByView(&Self::GetCommands)>(u"GetCommands", 0x60030000, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
