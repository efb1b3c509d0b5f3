// JournalQuery styles the first literature reference of a text: the journal abbreviation in
// italic and the year or volume in bold, in one of three layouts
//   year first       'J. Am. Chem. Soc. 1999, 121, 1234'   name italic, year bold, volume italic
//   year after name  'Tetrahedron Lett., 1999, 40, 1234'   name italic, volume bold
//   year last        'Tetrahedron Lett., 40, 1234 (1999)'  name italic, volume bold
// The script only styles ranges of the text; it never types or deletes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "automation/member_table.h"

namespace glyphwright {

class JournalQuery : public TableDispatch<JournalQuery> {
 public:
  static MemberTable Members();

  // The style script of the first recognised reference; empty when there is none. Raises only
  // for a text longer than kMaxTextLength (script/text_length.h), whose offsets a Long cannot hold.
  std::u16string GetCommands(std::u16string_view Text) const;
};

}  // namespace glyphwright
