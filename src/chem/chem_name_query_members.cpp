// The automation surface of ChemNameQuery, in interface order.
#include "chem/chem_name_query.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};
constexpr ParamInfo kStringValue[] = {{u"RHS", ValueType::String}};

const MemberInfo<ChemNameQuery> kMembers[] = {
    {u"ItalicCommand",
     InvokeKind::PropertyGet,
     0x40030004,
     ValueType::String,
     {},
     [](ChemNameQuery& self, Arguments) { return Variant(self.ItalicCommand()); }},
    {u"ItalicCommand", InvokeKind::PropertyPut, 0x40030004, ValueType::String, kStringValue,
     [](ChemNameQuery& self, Arguments args) {
       self.SetItalicCommand(*args[0]->AsString());
       return Variant();
     }},
    {u"SmallCommand",
     InvokeKind::PropertyGet,
     0x40030005,
     ValueType::String,
     {},
     [](ChemNameQuery& self, Arguments) { return Variant(self.SmallCommand()); }},
    {u"SmallCommand", InvokeKind::PropertyPut, 0x40030005, ValueType::String, kStringValue,
     [](ChemNameQuery& self, Arguments args) {
       self.SetSmallCommand(*args[0]->AsString());
       return Variant();
     }},
    {u"GetCommands", InvokeKind::Method, 0x60030000, ValueType::String, kTextParams,
     [](ChemNameQuery& self, Arguments args) {
       return Variant(self.GetCommands(*args[0]->AsString()));
     }},
};

}  // namespace

std::span<const MemberInfo<ChemNameQuery>> ChemNameQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
