#include "nmr/peak_list_explanation.h"

#include <algorithm>

#include "automation/automation_error.h"
#include "nmr/field_order.h"
#include "nmr/peak_list_parser.h"
#include "script/text_length.h"

namespace glyphwright {
namespace {

constexpr int32_t kContext = 12;

bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::optional<PeakListExplanation> ExplainPeakList(std::u16string_view Text,
                                                   std::u16string_view SpecFormat, bool Strict) {
  try {
    CheckTextLength(Text);
  } catch (const AutomationError& tooLong) {
    return PeakListExplanation{tooLong.Description(), 0};
  }
  const PeakListReading reading = ParsePeakList(Text, ParseFieldOrder(SpecFormat), Strict);
  if (reading.list) return std::nullopt;
  return PeakListExplanation{reading.failure, std::max(reading.failureOffset, 0)};
}

std::u16string TextAround(std::u16string_view Text, int32_t offset) {
  const auto size = static_cast<int64_t>(Text.size());
  const int64_t at = std::clamp<int64_t>(offset, 0, size);
  auto first = static_cast<std::size_t>(std::max<int64_t>(at - kContext, 0));
  auto end = static_cast<std::size_t>(std::min<int64_t>(at + kContext, size));
  // Never half a surrogate pair at either edge.
  if (first > 0 && IsLowSurrogate(Text[first])) ++first;
  if (end < Text.size() && IsLowSurrogate(Text[end])) ++end;

  std::u16string quote;
  if (first > 0) quote += u'\u2026';
  for (std::size_t k = first; k < end; ++k) {
    quote += Text[k] < u' ' ? u' ' : Text[k];
  }
  if (end < Text.size()) quote += u'\u2026';
  return quote;
}

std::u16string DescribePeakListFailure(std::u16string_view Text,
                                       const PeakListExplanation& explanation) {
  std::u16string line = explanation.Message;
  line += u" (at offset ";
  for (const char c : std::to_string(explanation.Offset)) line += static_cast<char16_t>(c);
  line += u": \u00AB";
  line += TextAround(Text, explanation.Offset);
  line += u"\u00BB)";
  return line;
}

}  // namespace glyphwright
