// The automation surface of NMRSpecFormQuery, in interface order. The field orders and
// GetCommands are the rows it shares with NMRSpecFormRQuery.
#include "nmr/field_order_rows.h"
#include "nmr/nmr_specform_query.h"

namespace glyphwright {

MemberTable NMRSpecFormQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::JValueStyle, &Self::SetJValueStyle>(u"JValueStyle", 0x40030004),
           FieldOrderRows<Self>::Make());
  return kMembers;
}

}  // namespace glyphwright
