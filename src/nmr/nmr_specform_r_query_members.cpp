// The automation surface of NMRSpecFormRQuery, in interface order. The field orders and
// GetCommands are the rows it shares with NMRSpecFormQuery.
#include "nmr/field_order_rows.h"
#include "nmr/nmr_specform_r_query.h"

namespace glyphwright {

MemberTable NMRSpecFormRQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::Strict, &Self::SetStrict>(u"Strict", 0x4003000A),
           FieldOrderRows<Self>::Make());
  return kMembers;
}

}  // namespace glyphwright
