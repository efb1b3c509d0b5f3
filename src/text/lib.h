// Module Lib: the small, pure text functions every query shares.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/char_class.h"

namespace glyphwright {

// A code array is the text itself: std::u16string keeps a 0 at index size(), which is exactly
// the terminator a scan may read one past the last character.
using CodeArray = std::u16string;

// Chars becomes the code array of Text.
void StringToChars(std::u16string_view Text, CodeArray& Chars);

// The Count code units from index Start; empty when Count is 0 or less. The caller keeps
// Start and Count inside the array.
std::u16string CharsToString(const CodeArray& Chars, int32_t Start, int32_t Count);

// Folds one full-width or small-form code unit to its ASCII form; every other code is kept.
char16_t ToHalfWidthChar(char16_t Code);

// The first code unit ToHalfWidthChar changes, the right single quotation mark: a loop over a
// text may keep every code below it as it is without the call.
constexpr char16_t kFirstFoldedCode = u'\u2019';

// Folds every code unit; the result has exactly as many code units as Text, so offsets agree.
std::u16string ToHalfWidth(std::u16string_view Text);

// Every occurrence of Find, left to right without overlapping, compared ignoring letter case
// (see text/case_fold.h for what is folded).
std::u16string ReplaceText(std::u16string_view Text, std::u16string_view Find,
                           std::u16string_view Replacement);

// Pieces of Text between exact occurrences of Separator; never empty: the empty text gives one
// empty piece. An empty Separator does not split.
void SplitText(std::u16string_view Text, std::u16string_view Separator,
               std::vector<std::u16string>& Parts);
std::vector<std::u16string> SplitText(std::u16string_view Text, std::u16string_view Separator);

// The trim family. What is trimmed is the IsSpaceChar characters unless the caller names its
// own class (a keyword file trims only blanks, a peak list only spaces). The views point into
// Text.
using CharClass = bool (*)(char16_t);
std::u16string_view TrimView(std::u16string_view Text, CharClass isTrimmed = IsSpaceChar);
std::u16string_view TrimStartView(std::u16string_view Text, CharClass isTrimmed = IsSpaceChar);
std::u16string_view TrimEndView(std::u16string_view Text, CharClass isTrimmed = IsSpaceChar);
// Text without leading and trailing IsSpaceChar characters.
std::u16string TrimText(std::u16string_view Text);

// The part of S before its first NUL, or S itself.
std::u16string CutAtNul(std::u16string_view S);

}  // namespace glyphwright
