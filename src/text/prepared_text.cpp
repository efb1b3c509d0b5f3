#include "text/prepared_text.h"

namespace glyphwright {

void PrepareChars(std::u16string_view Text, CodeArray& chars) {
  chars.resize(Text.size() + 1);
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const char16_t code = Text[i];
    chars[i] = code < kFirstFoldedCode ? code : ToHalfWidthChar(code);
  }
  chars[Text.size()] = u' ';
}

void PrepareCharsInPlace(CodeArray& text) {
  for (char16_t& code : text) {
    if (code >= kFirstFoldedCode) code = ToHalfWidthChar(code);
  }
  text.push_back(u' ');
}

}  // namespace glyphwright
