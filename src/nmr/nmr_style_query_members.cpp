// The automation surface of NMRStyleQuery, in interface order.
#include "nmr/nmr_style_query.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kStringValue[] = {{u"RHS", ValueType::String}};
constexpr ParamInfo kLongValue[] = {{u"RHS", ValueType::Long}};
constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};

using Member = MemberInfo<NMRStyleQuery>;

const Member kMembers[] = {
    {u"Style",
     InvokeKind::PropertyGet,
     0x68030000,
     ValueType::String,
     {},
     [](NMRStyleQuery& self, Arguments) { return Variant(self.Style()); }},
    {u"Style", InvokeKind::PropertyPut, 0x68030000, ValueType::String, kStringValue,
     [](NMRStyleQuery& self, Arguments args) {
       self.SetStyle(*args[0]->AsString());
       return Variant();
     }},
    {u"Sort",
     InvokeKind::PropertyGet,
     0x68030001,
     ValueType::String,
     {},
     [](NMRStyleQuery& self, Arguments) { return Variant(self.Sort()); }},
    {u"Sort", InvokeKind::PropertyPut, 0x68030001, ValueType::String, kStringValue,
     [](NMRStyleQuery& self, Arguments args) {
       self.SetSort(*args[0]->AsString());
       return Variant();
     }},
    {u"ShiftDecimals",
     InvokeKind::PropertyGet,
     0x68030002,
     ValueType::Long,
     {},
     [](NMRStyleQuery& self, Arguments) { return Variant(self.ShiftDecimals()); }},
    {u"ShiftDecimals", InvokeKind::PropertyPut, 0x68030002, ValueType::Long, kLongValue,
     [](NMRStyleQuery& self, Arguments args) {
       self.SetShiftDecimals(args[0]->ToLong());
       return Variant();
     }},
    {u"CouplingDecimals",
     InvokeKind::PropertyGet,
     0x68030003,
     ValueType::Long,
     {},
     [](NMRStyleQuery& self, Arguments) { return Variant(self.CouplingDecimals()); }},
    {u"CouplingDecimals", InvokeKind::PropertyPut, 0x68030003, ValueType::Long, kLongValue,
     [](NMRStyleQuery& self, Arguments args) {
       self.SetCouplingDecimals(args[0]->ToLong());
       return Variant();
     }},
    {u"GetCommands", InvokeKind::Method, 0x60030004, ValueType::String, kTextParams,
     [](NMRStyleQuery& self, Arguments args) {
       return Variant(self.GetCommands(*args[0]->AsString()));
     }},
};

}  // namespace

std::span<const Member> NMRStyleQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
