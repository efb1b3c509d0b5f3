// The automation surface of NMRSpecFormRQuery, in interface order. The field orders and
// GetCommands keep the identifiers they have in NMRSpecFormQuery.
#include "nmr/nmr_specform_r_query.h"

namespace glyphwright {

MemberTable NMRSpecFormRQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::Strict, &Self::SetStrict>(u"Strict", 0x4003000A),
           Put<&Self::SetSpecFormat>(u"SpecFormat", 0x68030001, u"fmt"),
           Get<&Self::SpecFormat>(u"SpecFormat", 0x68030001),
           Put<&Self::SetTableFormat>(u"TableFormat", 0x68030000, u"fmt"),
           Method<&Self::GetCommands>(u"GetCommands", 0x60030002, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
