// The automation surface of NMRSpecFormQuery, in interface order.
#include "nmr/nmr_specform_query.h"

#include "nmr/nmr_shared_members.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kLongValue[] = {{u"RHS", ValueType::Long}};

using Shared = NmrSharedMembers<NMRSpecFormQuery>;

const MemberInfo<NMRSpecFormQuery> kMembers[] = {
    {u"JValueStyle",
     InvokeKind::PropertyGet,
     0x40030004,
     ValueType::Long,
     {},
     [](NMRSpecFormQuery& self, Arguments) { return Variant(self.JValueStyle()); }},
    {u"JValueStyle", InvokeKind::PropertyPut, 0x40030004, ValueType::Long, kLongValue,
     [](NMRSpecFormQuery& self, Arguments args) {
       self.SetJValueStyle(args[0]->ToLong());
       return Variant();
     }},
    Shared::kSpecFormatPut,
    Shared::kSpecFormatGet,
    Shared::kTableFormatPut,
    Shared::kGetCommands,
};

}  // namespace

std::span<const MemberInfo<NMRSpecFormQuery>> NMRSpecFormQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
