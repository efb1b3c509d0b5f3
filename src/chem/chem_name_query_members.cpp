// The automation surface of ChemNameQuery, in interface order.
#include "chem/chem_name_query.h"

namespace glyphwright {

MemberTable ChemNameQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::ItalicCommand, &Self::SetItalicCommand>(u"ItalicCommand", 0x40030004),
           Property<&Self::SmallCommand, &Self::SetSmallCommand>(u"SmallCommand", 0x40030005),
           Method<&Self::GetCommands>(u"GetCommands", 0x60030000, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
