// The automation surface of NMRSpecFormQuery, in interface order.
#include "nmr/nmr_specform_query.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};
constexpr ParamInfo kLongValue[] = {{u"RHS", ValueType::Long}};
constexpr ParamInfo kFormatValue[] = {{u"fmt", ValueType::String}};

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
    {u"SpecFormat", InvokeKind::PropertyPut, 0x68030001, ValueType::String, kFormatValue,
     [](NMRSpecFormQuery& self, Arguments args) {
       self.SetSpecFormat(*args[0]->AsString());
       return Variant();
     }},
    {u"SpecFormat",
     InvokeKind::PropertyGet,
     0x68030001,
     ValueType::String,
     {},
     [](NMRSpecFormQuery& self, Arguments) { return Variant(self.SpecFormat()); }},
    {u"TableFormat", InvokeKind::PropertyPut, 0x68030000, ValueType::String, kFormatValue,
     [](NMRSpecFormQuery& self, Arguments args) {
       self.SetTableFormat(*args[0]->AsString());
       return Variant();
     }},
    {u"GetCommands", InvokeKind::Method, 0x60030002, ValueType::String, kTextParams,
     [](NMRSpecFormQuery& self, Arguments args) {
       return Variant(self.GetCommands(*args[0]->AsString()));
     }},
};

}  // namespace

std::span<const MemberInfo<NMRSpecFormQuery>> NMRSpecFormQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
