// The automation surface of NMRSpecFormRQuery, in interface order.
#include "nmr/nmr_specform_r_query.h"

#include "nmr/nmr_shared_members.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kBooleanValue[] = {{u"RHS", ValueType::Boolean}};

using Shared = NmrSharedMembers<NMRSpecFormRQuery>;

const MemberInfo<NMRSpecFormRQuery> kMembers[] = {
    {u"Strict",
     InvokeKind::PropertyGet,
     0x4003000A,
     ValueType::Boolean,
     {},
     [](NMRSpecFormRQuery& self, Arguments) { return Variant(self.Strict()); }},
    {u"Strict", InvokeKind::PropertyPut, 0x4003000A, ValueType::Boolean, kBooleanValue,
     [](NMRSpecFormRQuery& self, Arguments args) {
       self.SetStrict(args[0]->ToBoolean());
       return Variant();
     }},
    Shared::kSpecFormatPut,
    Shared::kSpecFormatGet,
    Shared::kTableFormatPut,
    Shared::kGetCommands,
};

}  // namespace

std::span<const MemberInfo<NMRSpecFormRQuery>> NMRSpecFormRQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
