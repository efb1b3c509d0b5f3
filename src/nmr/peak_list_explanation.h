// Why a running peak list cannot be read, and where: what a host shows when NMRSpecFormRQuery
// answers the empty script.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glyphwright {

struct PeakListExplanation {
  std::u16string Message;  // one of the reader's messages, such as "Missing comma."
  int32_t Offset = 0;      // 0-based, in UTF-16 code units of the text as given
};

// Reads Text as NMRSpecFormRQuery does with these SpecFormat and Strict settings. Nothing when
// the list reads, or when there is no list at all (an empty text, nothing behind the delta).
std::optional<PeakListExplanation> ExplainPeakList(std::u16string_view Text,
                                                   std::u16string_view SpecFormat, bool Strict);

// Up to a dozen code units each side of offset, "…" where the text goes on; tabs, paragraph
// marks and other control characters show as blanks so the quote stays on one line.
std::u16string TextAround(std::u16string_view Text, int32_t offset);

// 'Missing comma. (at offset 23: «…7.26 (1H, s); 1.25 (3H, s).»)'
std::u16string DescribePeakListFailure(std::u16string_view Text,
                                       const PeakListExplanation& explanation);

}  // namespace glyphwright
