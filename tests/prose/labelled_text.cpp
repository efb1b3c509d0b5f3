#include "prose/labelled_text.h"

namespace glyphwright::testing {
namespace {

struct MarkSign {
  char16_t sign;
  uint8_t mark;
};
constexpr MarkSign kSigns[] = {{u'_', kSubscript}, {u'^', kSuperscript}, {u'*', kItalic},
                               {u'!', kBold},      {u'~', kSmall},       {u'%', kReplaced}};

uint8_t MarkOf(char16_t sign) {
  for (const MarkSign& entry : kSigns) {
    if (entry.sign == sign) return entry.mark;
  }
  return 0;
}

char16_t SignOf(uint8_t mark) {
  for (const MarkSign& entry : kSigns) {
    if (entry.mark == mark) return entry.sign;
  }
  return u'?';
}

}  // namespace

std::optional<LabelledText> ParseLabelled(std::u16string_view line) {
  LabelledText result;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const uint8_t mark = MarkOf(line[i]);
    if (mark != 0 && i + 1 < line.size() && line[i + 1] == u'{') {
      const std::size_t close = line.find(u'}', i + 2);
      if (close == std::u16string_view::npos || close == i + 2) return std::nullopt;
      for (std::size_t k = i + 2; k < close; ++k) {
        result.text.push_back(line[k]);
        result.marks.push_back(mark);
      }
      i = close;
      continue;
    }
    result.text.push_back(line[i]);
    result.marks.push_back(0);
  }
  return result;
}

std::u16string WriteLabelled(std::u16string_view text, const std::vector<uint8_t>& marks) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size();) {
    const uint8_t here = marks[i];
    if (here == 0) {
      out.push_back(text[i++]);
      continue;
    }
    std::size_t j = i;
    while (j < text.size() && marks[j] == here) ++j;
    for (uint8_t mark : kAllMarks) {
      if (here & mark) out.push_back(SignOf(mark));
    }
    out.push_back(u'{');
    out.append(text.substr(i, j - i));
    out.push_back(u'}');
    i = j;
  }
  return out;
}

}  // namespace glyphwright::testing
