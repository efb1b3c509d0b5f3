#include "nmr/styled_text.h"

namespace glyphwright {

StyledText& StyledText::Add(RunKind kind, std::u16string_view text) {
  if (text.empty()) return *this;
  // Neighbours of one kind are one run, so the script types them at once.
  if (!runs_.empty() && runs_.back().kind == kind) {
    runs_.back().text.append(text);
  } else {
    runs_.push_back({kind, std::u16string(text), {}});
  }
  return *this;
}

int64_t StyledText::Length() const {
  int64_t length = 0;
  for (const StyledRun& run : runs_) length += run.Length();
  return length;
}

std::u16string StyledText::PlainText(std::u16string_view source) const {
  std::u16string text;
  for (const StyledRun& run : runs_) {
    if (run.kind == RunKind::Copy) {
      text.append(source.substr(static_cast<std::size_t>(run.copied.start),
                                static_cast<std::size_t>(run.copied.length)));
    } else {
      text.append(run.text);
    }
  }
  return text;
}

}  // namespace glyphwright
