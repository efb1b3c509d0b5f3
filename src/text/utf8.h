// Conversion between UTF-8 at the edges (command line, files) and the library's UTF-16 text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace glyphwright {

// Byte offset of the first byte that is not well-formed UTF-8 (overlong forms, surrogates and
// code points above U+10FFFF included), or nullopt when the whole input is well formed.
std::optional<std::size_t> FindInvalidUtf8(std::string_view bytes);

// Strict conversion: nullopt when the input is not well-formed UTF-8.
std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes);
// The same, appended to text; false, with text as it was, when the input is not well formed.
bool AppendUtf8AsUtf16(std::u16string& text, std::string_view bytes);

// Conversion that reads every byte that is not part of a well-formed sequence as a Latin-1
// character, the way text files of unknown origin are read.
std::u16string Utf8OrLatin1ToUtf16(std::string_view bytes);

// A lone surrogate, which has no UTF-8 form, is written as U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// The same, appended to bytes.
void AppendUtf8(std::string& bytes, std::u16string_view text);

// No code unit takes more than three bytes (a surrogate pair takes four for its two).
inline constexpr std::size_t kMaxUtf8PerUnit = 3;
// The same, written at out, which has room for the bytes (kMaxUtf8PerUnit a code unit will
// always do); the number of bytes written. For a caller that keeps its own buffer and so fills
// no room it does not use.
std::size_t EncodeUtf8(std::u16string_view text, char* out);

}  // namespace glyphwright
