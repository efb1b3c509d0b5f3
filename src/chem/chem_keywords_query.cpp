#include "chem/chem_keywords_query.h"

namespace glyphwright {

void ChemKeywordsQuery::SetKeywords(std::u16string_view Words) {
  SplitText(Words, u"|", keywords_);
  lookup_ = KeywordSet(keywords_);
}

}  // namespace glyphwright
