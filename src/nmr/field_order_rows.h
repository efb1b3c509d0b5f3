// The rows both NMR tables end with: the two field orders and GetCommands, under the identifiers
// the two classes share.
#pragma once

#include "automation/member_rows.h"

namespace glyphwright {

template <class Query>
struct FieldOrderRows : MemberRows<Query> {
  static constexpr RowGroup<4> Make() {
    using Helpers = MemberRows<Query>;
    return Rows(
        Helpers::template Put<&Query::SetSpecFormat>(u"SpecFormat", 0x68030001, u"fmt"),
        Helpers::template Get<&Query::SpecFormat>(u"SpecFormat", 0x68030001),
        Helpers::template Put<&Query::SetTableFormat>(u"TableFormat", 0x68030000, u"fmt"),
        Helpers::template Method<&Query::GetCommands>(u"GetCommands", 0x60030002, {u"Text"}));
  }
};

}  // namespace glyphwright
