// The automation surface of ChemTextQuery, in interface order.
#include "prose/chem_text_query.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};
constexpr ParamInfo kStringValue[] = {{u"RHS", ValueType::String}};
constexpr ParamInfo kObjectValue[] = {{u"RHS", ValueType::Object}};

const MemberInfo<ChemTextQuery> kMembers[] = {
    {u"ItalicCommand",
     InvokeKind::PropertyGet,
     0x40030000,
     ValueType::String,
     {},
     [](ChemTextQuery& self, Arguments) { return Variant(self.ItalicCommand()); }},
    {u"ItalicCommand", InvokeKind::PropertyPut, 0x40030000, ValueType::String, kStringValue,
     [](ChemTextQuery& self, Arguments args) {
       self.SetItalicCommand(*args[0]->AsString());
       return Variant();
     }},
    {u"SmallCommand",
     InvokeKind::PropertyGet,
     0x40030001,
     ValueType::String,
     {},
     [](ChemTextQuery& self, Arguments) { return Variant(self.SmallCommand()); }},
    {u"SmallCommand", InvokeKind::PropertyPut, 0x40030001, ValueType::String, kStringValue,
     [](ChemTextQuery& self, Arguments args) {
       self.SetSmallCommand(*args[0]->AsString());
       return Variant();
     }},
    {u"FontListener",
     InvokeKind::PropertyGet,
     0x40030002,
     ValueType::Object,
     {},
     [](ChemTextQuery& self, Arguments) { return Variant(self.FontListener()); }},
    {u"FontListener", InvokeKind::PropertyPutRef, 0x40030002, ValueType::Object, kObjectValue,
     [](ChemTextQuery& self, Arguments args) {
       self.SetFontListener(args[0]->ToObject());
       return Variant();
     }},
    {u"GetCommands", InvokeKind::Method, 0x60030000, ValueType::String, kTextParams,
     [](ChemTextQuery& self, Arguments args) {
       return Variant(self.GetCommands(*args[0]->AsString()));
     }},
};

}  // namespace

std::span<const MemberInfo<ChemTextQuery>> ChemTextQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
