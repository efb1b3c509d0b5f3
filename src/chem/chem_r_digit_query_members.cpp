// The automation surface of ChemRDigitQuery, in interface order.
#include "chem/chem_r_digit_query.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kObjectValue[] = {{u"RHS", ValueType::Object}};
constexpr ParamInfo kQueryValueParams[] = {{u"x", ValueType::String}};
constexpr ParamInfo kSetSubscriptParams[] = {
    {u"Index", ValueType::Long},
    {u"Length", ValueType::Long},
    {u"v", ValueType::Long, false, true, -1},
};
constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};

const MemberInfo<ChemRDigitQuery> kMembers[] = {
    {u"FontListener",
     InvokeKind::PropertyGet,
     0x40030002,
     ValueType::Object,
     {},
     [](ChemRDigitQuery& self, Arguments) { return Variant(self.FontListener()); }},
    {u"FontListener", InvokeKind::PropertyPutRef, 0x40030002, ValueType::Object, kObjectValue,
     [](ChemRDigitQuery& self, Arguments args) {
       self.SetFontListener(args[0]->ToObject());
       return Variant();
     }},
    {u"QueryValue", InvokeKind::Method, 0x60030000, ValueType::String, kQueryValueParams,
     [](ChemRDigitQuery& self, Arguments args) {
       return Variant(self.QueryValue(*args[0]->AsString()));
     }},
    {u"SetSubscript", InvokeKind::Method, 0x60030001, ValueType::Void, kSetSubscriptParams,
     [](ChemRDigitQuery& self, Arguments args) {
       self.SetSubscript(args[0]->ToLong(), args[1]->ToLong(), args[2]->ToLong());
       return Variant();
     }},
    {u"GetCommands", InvokeKind::Method, 0x60030002, ValueType::String, kTextParams,
     [](ChemRDigitQuery& self, Arguments args) {
       return Variant(self.GetCommands(*args[0]->AsString()));
     }},
};

}  // namespace

std::span<const MemberInfo<ChemRDigitQuery>> ChemRDigitQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
