// The Latin small capital letters Unicode has (ᴅ U+1D05, ʟ U+029F ...): every ASCII letter but X.
#pragma once

namespace glyphwright {

// The small capital form of an ASCII letter of either case, or code itself when Unicode has none
// (X, x, and everything that is not an ASCII letter).
char16_t ToSmallCapitalForm(char16_t code);

}  // namespace glyphwright
