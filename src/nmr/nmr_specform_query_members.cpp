// The automation surface of NMRSpecFormQuery, in interface order. The field orders and
// GetCommands keep the identifiers they have in NMRSpecFormRQuery.
#include "nmr/nmr_specform_query.h"

namespace glyphwright {

MemberTable NMRSpecFormQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::JValueStyle, &Self::SetJValueStyle>(u"JValueStyle", 0x40030004),
           Put<&Self::SetSpecFormat>(u"SpecFormat", 0x68030001, u"fmt"),
           Get<&Self::SpecFormat>(u"SpecFormat", 0x68030001),
           Put<&Self::SetTableFormat>(u"TableFormat", 0x68030000, u"fmt"),
           Method<&Self::GetCommands>(u"GetCommands", 0x60030002, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
