#include "characterisation/characterisation_check.h"

#include <algorithm>

#include "characterisation/analysis_check.h"
#include "characterisation/calcd_clause.h"
#include "characterisation/hrms_check.h"
#include "script/text_length.h"
#include "text/lib.h"

namespace glyphwright {

std::vector<Finding> CheckCharacterisation(std::u16string_view Text) {
  CheckTextLength(Text);
  // Full-width digits and letters count as their ASCII forms; folding keeps every offset.
  const std::u16string text = ToHalfWidth(Text);
  std::vector<Finding> findings;
  for (const CalcdClause& clause : FindCalcdClauses(text)) {
    // A list of element percentages after the formula makes an analysis; a value, an m/z.
    if (!CheckAnalysis(text, clause, findings)) CheckHrms(text, clause, findings);
  }
  std::stable_sort(findings.begin(), findings.end(),
                   [](const Finding& a, const Finding& b) { return a.offset < b.offset; });
  return findings;
}

}  // namespace glyphwright
