// The prefix list: the keywords that ChemFormulaQuery and ChemNameQuery set in italics. A user
// may replace the built-in list with a file "prefixes.txt" (format in chem/keyword_file.h),
// looked for in three places, first found wins:
//   1. the user's application-data folder + "Mirandel/Glyphwright/",
//   2. the all-users application-data folder + "Mirandel/Glyphwright/",
//   3. the folder of the component itself.
// A file replaces the built-in list entirely. The list is read at most once per thread.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "chem/chem_keywords_query.h"
#include "chem/folder_lookup.h"

namespace glyphwright {

// 32 entries; "t" is there twice, which does no harm.
inline constexpr std::u16string_view kDefaultPrefixList =
    u"syn|anti|meso|racemi|cis|trans|rel|l|d|dl|i|endo|exo|sec|tert|n|s|t|o|m|p|vic|gem|cisoid|"
    u"transoid|r|t|c|ent|gache|erythro|threo";

inline constexpr std::u16string_view kPrefixFileName = u"prefixes.txt";

// The keyword list of the first file named FileName found in the three places of folders, or
// DefaultList when there is none. A folder lookup that fails raises its error and ends the search;
// so does a file that is there but cannot be read.
std::u16string LoadKeywordList(std::u16string_view FileName, std::u16string_view DefaultList,
                               const FolderLookup& folders);
// The same with the platform's folders.
std::u16string LoadKeywordList(std::u16string_view FileName, std::u16string_view DefaultList);

// The thread's shared keyword query holding the prefix list, made on the thread's first
// successful call. Its Command stays "Italic" and its PrimeMode 0 until a user changes them.
// When loading the list fails the error is raised, nothing is kept, and the next call tries again.
std::shared_ptr<ChemKeywordsQuery> SharedPrefixQuery();

}  // namespace glyphwright
