// The automation surface of ChemTextQuery, in interface order.
#include "prose/chem_text_query.h"

namespace glyphwright {

MemberTable ChemTextQuery::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::ItalicCommand, &Self::SetItalicCommand>(u"ItalicCommand", 0x40030000),
           Property<&Self::SmallCommand, &Self::SetSmallCommand>(u"SmallCommand", 0x40030001),
           Property<&Self::FontListener, &Self::SetFontListener>(u"FontListener", 0x40030002),
           Method<&Self::GetCommands>(u"GetCommands", 0x60030000, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
