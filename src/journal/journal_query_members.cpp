// The automation surface of JournalQuery, in interface order.
#include "journal/journal_query.h"

namespace glyphwright {

MemberTable JournalQuery::Members() {
  static constexpr auto kMembers =
      Rows(Method<&Self::GetCommands>(u"GetCommands", 0x60030000, {u"Text"}));
  return kMembers;
}

}  // namespace glyphwright
