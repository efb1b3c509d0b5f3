#include "chem/file_errors.h"

#include <cerrno>

#include "automation/number_text.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

struct RunTimeError {
  int32_t number;
  std::u16string_view text;
};

RunTimeError FromErrorCode(int errorCode) {
  switch (errorCode) {
    case ENOENT:
      return {53, u"File not found"};
    case ENOTDIR:
      return {76, u"Path not found"};
    case EACCES:
    case EPERM:
    case EROFS:
      return {70, u"Permission denied"};
    case EIO:
      return {57, u"Device I/O error"};
    case EMFILE:
    case ENFILE:
      return {67, u"Too many files"};
    case ENOMEM:
      return {7, u"Out of memory"};
    default:
      return {75, u"Path/File access error"};
  }
}

}  // namespace

std::u16string PathText(const std::filesystem::path& path) {
  // Unix paths are bytes, usually UTF-8; any other byte reads as Latin-1.
  return Utf8OrLatin1ToUtf16(path.string());
}

AutomationError FileAccessError(int errorCode, const std::filesystem::path& path) {
  const RunTimeError error = FromErrorCode(errorCode);
  std::u16string description(error.text);
  description += u": \"" + PathText(path) + u"\"";
  return {error.number, std::move(description)};
}

AutomationError FileTooLargeError(const std::filesystem::path& path, std::uintmax_t limitBytes) {
  std::u16string description = u"File \"" + PathText(path) + u"\" is larger than ";
  AppendInteger(description, static_cast<int64_t>(limitBytes));
  description += u" bytes.";
  return {1, std::move(description)};
}

}  // namespace glyphwright
