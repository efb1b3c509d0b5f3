// Finds every journal reference of running text, where JournalQuery styles only the first one.
// A reference is anchored on its year or volume: ' 2001, 66' (year first) or ', 66, ' and
// ', 1999, ' (name, comma, number). From the anchor the journal name is read backwards over its
// words, each capitalised, across the comma of 'Angew. Chem., Int. Ed.', and without the author
// initials before it ('Smith, A. B. J. Am. Chem. Soc.' starts at 'J.'). JournalQuery then styles
// the reference alone, from the name on.
//
// A match counts only when it looks like a citation: a year from 1800 to 2099 where the layout
// reads one, and a name with an abbreviation's full stop or a volume ('Nature 2001, 409, 860').
// So 'In 2019, 45 patients' is no reference.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "journal/journal_query.h"

namespace glyphwright::prose {

struct FoundReference {
  int32_t start = 0;      // where the reference starts in the text
  int32_t end = 0;        // just after its last styled character
  std::u16string script;  // JournalQuery's script for the text from there on
};

// folded is text folded to half width; the scripts come from JournalQuery on text itself.
void FindReferences(std::u16string_view text, std::u16string_view folded,
                    const JournalQuery& journal, std::vector<FoundReference>& found);

}  // namespace glyphwright::prose
