// The automation surface of ChemRDigitQuery, in interface order.
#include "chem/chem_r_digit_query.h"

namespace glyphwright {

MemberTable ChemRDigitQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::FontListener, &Self::SetFontListener>(u"FontListener", 0x40030002),
           Method<&Self::QueryValue>(u"QueryValue", 0x60030000, {u"x"}),
           Method<&Self::SetSubscript>(u"SetSubscript", 0x60030001,
                                       {u"Index", u"Length", Optional(u"v", -1)}),
           Method<&Self::GetCommands>(u"GetCommands", 0x60030002, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
