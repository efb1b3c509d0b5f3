// The automation surface of NMRSpecFormRQuery, in interface order.
#include "nmr/nmr_specform_r_query.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};
constexpr ParamInfo kBooleanValue[] = {{u"RHS", ValueType::Boolean}};
constexpr ParamInfo kFormatValue[] = {{u"fmt", ValueType::String}};

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
    {u"SpecFormat", InvokeKind::PropertyPut, 0x68030001, ValueType::String, kFormatValue,
     [](NMRSpecFormRQuery& self, Arguments args) {
       self.SetSpecFormat(*args[0]->AsString());
       return Variant();
     }},
    {u"SpecFormat",
     InvokeKind::PropertyGet,
     0x68030001,
     ValueType::String,
     {},
     [](NMRSpecFormRQuery& self, Arguments) { return Variant(self.SpecFormat()); }},
    {u"TableFormat", InvokeKind::PropertyPut, 0x68030000, ValueType::String, kFormatValue,
     [](NMRSpecFormRQuery& self, Arguments args) {
       self.SetTableFormat(*args[0]->AsString());
       return Variant();
     }},
    {u"GetCommands", InvokeKind::Method, 0x60030002, ValueType::String, kTextParams,
     [](NMRSpecFormRQuery& self, Arguments args) {
       return Variant(self.GetCommands(*args[0]->AsString()));
     }},
};

}  // namespace

std::span<const MemberInfo<NMRSpecFormRQuery>> NMRSpecFormRQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
