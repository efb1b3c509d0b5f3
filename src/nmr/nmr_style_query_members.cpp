// The automation surface of NMRStyleQuery, in interface order.
#include "nmr/nmr_style_query.h"

namespace glyphwright {

MemberTable NMRStyleQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::Style, &Self::SetStyle>(u"Style", 0x68030000),
           Property<&Self::Sort, &Self::SetSort>(u"Sort", 0x68030001),
           Property<&Self::ShiftDecimals, &Self::SetShiftDecimals>(u"ShiftDecimals", 0x68030002),
           Property<&Self::CouplingDecimals, &Self::SetCouplingDecimals>(u"CouplingDecimals",
                                                                         0x68030003),
           Method<&Self::GetCommands>(u"GetCommands", 0x60030004, {u"Text"}),
           Method<&Self::ExplainPeakList>(u"ExplainPeakList", 0x60030005,
                                          {u"Text", u"SpecFormat", u"Strict"}));
  return kMembers;
}

}  // namespace glyphwright
