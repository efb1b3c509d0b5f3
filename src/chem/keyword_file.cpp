#include "chem/keyword_file.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "chem/file_errors.h"
#include "text/lib.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

std::u16string Utf16ToText(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    text.push_back(
        static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  // A lone last byte is no character.
  if (bytes.size() % 2 != 0) text.push_back(u'\uFFFD');
  return text;
}

std::u16string DecodeKeywordFile(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8OrLatin1ToUtf16(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return Utf16ToText(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return Utf16ToText(bytes.substr(2), true);
  return Utf8OrLatin1ToUtf16(bytes);
}

constexpr bool IsLineBlank(char16_t code) {
  return code == u' ' || code == u'\u3000';
}

}  // namespace

std::u16string ParseKeywordFile(std::string_view bytes) {
  const std::u16string text = DecodeKeywordFile(bytes);
  const std::u16string_view rest(text);
  std::u16string list;
  std::size_t start = 0;
  while (start < rest.size()) {
    const std::size_t end = rest.find(u'\n', start);
    std::u16string_view line = rest.substr(start, end - start);
    if (line.ends_with(u'\r')) line.remove_suffix(1);
    if (line.empty()) break;
    const std::u16string_view keywords = TrimView(line, IsLineBlank);
    if (!keywords.empty()) {
      if (!list.empty()) list += u'|';
      list += keywords;
    }
    if (end == std::u16string_view::npos) break;
    start = end + 1;
  }
  return list;
}

bool KeywordFileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::u16string ReadKeywordFile(const std::filesystem::path& Path) {
  // A C stream, not an iostream: the browser's build would otherwise carry the whole of the
  // stream and locale library for this one read.
  errno = 0;
#ifdef _WIN32
  std::FILE* opened = _wfopen(Path.c_str(), L"rb");
#else
  std::FILE* opened = std::fopen(Path.c_str(), "rb");
#endif
  if (opened == nullptr) throw FileAccessError(errno, Path);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(opened, &std::fclose);

  // Read in pieces and stop once past the limit: a huge file, or one that grows while it is
  // read, never ends up in memory whole.
  std::string bytes;
  std::array<char, 64 * 1024> piece;
  std::size_t got = piece.size();
  while (got == piece.size()) {
    errno = 0;
    got = std::fread(piece.data(), 1, piece.size(), file.get());
    bytes.append(piece.data(), got);
    if (bytes.size() > kMaxKeywordFileBytes) throw FileTooLargeError(Path, kMaxKeywordFileBytes);
  }
  if (std::ferror(file.get()) != 0) throw FileAccessError(errno, Path);
  return ParseKeywordFile(bytes);
}

}  // namespace glyphwright
