// The number readers of the journal query. They look at a code array from `start`, which may
// be the terminating 0 (never beyond it), and answer views into the array: the pieces they read
// are always contiguous.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/lib.h"

namespace glyphwright::journal {

// The code at k, or the terminator's 0 for any index at or past the end: every test of a
// reader fails on 0, so a scan can never run off the array.
char16_t At(const CodeArray& chars, int32_t k);

int32_t Length(std::u16string_view piece);

// The longest run of digits at start; empty when chars[start] is no digit.
std::u16string_view ReadDigitRun(const CodeArray& chars, int32_t start);
// "(", one or more digits, ")" at start, or empty.
std::u16string_view ReadParenDigits(const CodeArray& chars, int32_t start);
// A digit run and the parenthesised digits right behind it, either of them possibly missing:
// '121(3)', '121' or '(3)'. digitCount counts the digits before the parenthesis.
std::u16string_view ReadNumberWithParen(const CodeArray& chars, int32_t start, int32_t& digitCount,
                                        bool& hasParen);

}  // namespace glyphwright::journal
