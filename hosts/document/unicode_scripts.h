// The characters Unicode has in subscript and superscript form: digits, + - = ( ), and the
// letters that exist (no superscript q, few subscript letters). Everything else has none.
#pragma once

namespace glyphwright {

// The subscript form of code, or code itself when Unicode has none.
char16_t ToSubscriptForm(char16_t code);
// The superscript form of code, or code itself when Unicode has none.
char16_t ToSuperscriptForm(char16_t code);

}  // namespace glyphwright
