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
#include "text/lib.h"

namespace glyphwright {

class ScriptWriter;

class JournalQuery : public TableDispatch<JournalQuery> {
 public:
  static MemberTable Members();

  // The style script of the first recognised reference; empty when there is none. Raises only
  // for a text longer than kMaxTextLength (script/text_length.h), whose offsets a Long cannot hold.
  std::u16string GetCommands(std::u16string_view Text) const;

 private:
  // The readers look at a code array from `start`, which may be the terminating 0 (never beyond
  // it), and answer views into the array: the pieces they read are always contiguous.

  // The longest run of digits at start; empty when chars[start] is no digit.
  static std::u16string_view ReadDigitRun(const CodeArray& chars, int32_t start);
  // "(", one or more digits, ")" at start, or empty.
  static std::u16string_view ReadParenDigits(const CodeArray& chars, int32_t start);
  // A digit run and the parenthesised digits right behind it, either of them possibly missing:
  // '121(3)', '121' or '(3)'. digitCount counts the digits before the parenthesis.
  static std::u16string_view ReadNumberWithParen(const CodeArray& chars, int32_t start,
                                                 int32_t& digitCount, bool& hasParen);

  // One candidate whose name run is chars[i, j) with the comma at j. Writes the script and
  // answers true on success; on failure answers false and leaves in `cursor` where the scan has
  // got to, so that the search resumes just behind it.
  static bool MatchYearFirst(const CodeArray& chars, int32_t i, int32_t j, int32_t& cursor,
                             ScriptWriter& script);
  static bool MatchNameComma(const CodeArray& chars, int32_t i, int32_t j, int32_t& cursor,
                             ScriptWriter& script);
};

}  // namespace glyphwright
