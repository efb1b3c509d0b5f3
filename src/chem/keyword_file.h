// Reading a keyword file such as "prefixes.txt": one or more keywords a line ("|" separates
// keywords within a line), joined into one "|"-separated list.
//
// - Lines end with LF or CR LF. A last line without a line end is read.
// - Blanks (U+0020) and ideographic spaces (U+3000) around a line are removed; nothing else is
//   trimmed, and nothing around a "|" inside a line.
// - A line that is blank after trimming is skipped; the first empty line (nothing at all before
//   its line end) ends the list, and the lines after it are not read.
// - Text is UTF-8; a byte that is not part of a well-formed UTF-8 sequence reads as Latin-1, so
//   files saved in an 8-bit Western code page still read. A UTF-8 byte-order mark at the start is
//   ignored, and a file that starts with a UTF-16 byte-order mark is read as UTF-16.
// - A file longer than kMaxKeywordFileBytes is refused rather than read into memory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace glyphwright {

inline constexpr std::uintmax_t kMaxKeywordFileBytes = 1024 * 1024;

// Whether a regular file lies at path (following symbolic links). A folder, a device or a path
// that cannot be examined is no file.
bool KeywordFileExists(const std::filesystem::path& path);

// The "|"-joined keywords of one file. Raises FileAccessError when the file cannot be opened or
// read and FileTooLargeError when it is too long.
std::u16string ReadKeywordFile(const std::filesystem::path& Path);

// The list that the bytes of a keyword file give.
std::u16string ParseKeywordFile(std::string_view bytes);

}  // namespace glyphwright
