// Text to be typed with its character formatting: plain, italic, superscript and subscript runs,
// and stretches copied from the text the query read. Offsets count from the start of the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "nmr/peak_list_parser.h"

namespace glyphwright {

enum class RunKind : uint8_t { Plain, Italic, Superscript, Subscript, Copy };

struct StyledRun {
  RunKind kind;
  std::u16string text;  // empty for Copy
  TextSpan copied;      // for Copy
  int32_t Length() const {
    return kind == RunKind::Copy ? copied.length : static_cast<int32_t>(text.size());
  }
};

class StyledText {
 public:
  StyledText& Plain(std::u16string_view text) { return Add(RunKind::Plain, text); }
  StyledText& Italic(std::u16string_view text) { return Add(RunKind::Italic, text); }
  StyledText& Superscript(std::u16string_view text) { return Add(RunKind::Superscript, text); }
  StyledText& Subscript(std::u16string_view text) { return Add(RunKind::Subscript, text); }
  StyledText& Copy(TextSpan span) {
    if (span.length > 0) runs_.push_back({RunKind::Copy, {}, span});
    return *this;
  }

  const std::vector<StyledRun>& Runs() const { return runs_; }
  int64_t Length() const;
  // The text with copied stretches taken from source: what a reader of the result sees.
  std::u16string PlainText(std::u16string_view source) const;

 private:
  StyledText& Add(RunKind kind, std::u16string_view text);
  std::vector<StyledRun> runs_;
};

}  // namespace glyphwright
