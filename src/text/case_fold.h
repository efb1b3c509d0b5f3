// Simple (one code unit to one code unit) Unicode case folding, used wherever text is compared
// ignoring letter case. It folds ASCII, Latin-1, Latin Extended-A, basic Greek, basic Cyrillic
// and the full-width Latin letters; every other code unit compares as itself. Foldings that
// change the length (German sharp s to "ss") are not made.
#pragma once

#include <cstddef>
#include <string_view>

namespace glyphwright {

char16_t FoldCase(char16_t code);

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b);

// Offset of the first occurrence of Find in Text at or after From, ignoring case; npos if none.
std::size_t FindIgnoringCase(std::u16string_view Text, std::u16string_view Find,
                             std::size_t From = 0);

}  // namespace glyphwright
