// The automation surface of CharacterisationQuery, in interface order.
#include "characterisation/characterisation_query.h"

namespace glyphwright {

MemberTable CharacterisationQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::ItalicCommand, &Self::SetItalicCommand>(u"ItalicCommand", 0x40030000),
           Method<&Self::GetCommands>(u"GetCommands", 0x60030000, {u"Text"}),
           Method<&Self::CheckCharacterisation>(u"CheckCharacterisation", 0x60030001, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
