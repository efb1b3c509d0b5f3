// The automation surface of CharacterisationQuery, in interface order.
#include "characterisation/characterisation_query.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};
constexpr ParamInfo kStringValue[] = {{u"RHS", ValueType::String}};

const MemberInfo<CharacterisationQuery> kMembers[] = {
    {u"ItalicCommand",
     InvokeKind::PropertyGet,
     0x40030000,
     ValueType::String,
     {},
     [](CharacterisationQuery& self, Arguments) { return Variant(self.ItalicCommand()); }},
    {u"ItalicCommand", InvokeKind::PropertyPut, 0x40030000, ValueType::String, kStringValue,
     [](CharacterisationQuery& self, Arguments args) {
       self.SetItalicCommand(*args[0]->AsString());
       return Variant();
     }},
    {u"GetCommands", InvokeKind::Method, 0x60030000, ValueType::String, kTextParams,
     [](CharacterisationQuery& self, Arguments args) {
       return Variant(self.GetCommands(*args[0]->AsString()));
     }},
    {u"CheckCharacterisation", InvokeKind::Method, 0x60030001, ValueType::String, kTextParams,
     [](CharacterisationQuery& self, Arguments args) {
       return Variant(self.CheckCharacterisation(*args[0]->AsString()));
     }},
};

}  // namespace

std::span<const MemberInfo<CharacterisationQuery>> CharacterisationQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
