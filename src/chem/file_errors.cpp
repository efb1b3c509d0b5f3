#include "chem/file_errors.h"

#include <cerrno>

#include "automation/number_text.h"
#include "automation/run_time_errors.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

// The run time's number for a failure of the file system.
int32_t FromErrorCode(int errorCode) {
  switch (errorCode) {
    case ENOENT:
      return 53;
    case ENOTDIR:
      return 76;
    case EACCES:
    case EPERM:
    case EROFS:
      return 70;
    case EIO:
      return 57;
    case EMFILE:
    case ENFILE:
      return 67;
    case ENOMEM:
      return 7;
    default:
      return 75;
  }
}

}  // namespace

std::u16string PathText(const std::filesystem::path& path) {
  // Unix paths are bytes, usually UTF-8; any other byte reads as Latin-1.
  return Utf8OrLatin1ToUtf16(path.string());
}

AutomationError FileAccessError(int errorCode, const std::filesystem::path& path) {
  const int32_t number = FromErrorCode(errorCode);
  std::u16string description(StandardErrorText(number));
  description += u": \"" + PathText(path) + u"\"";
  return {number, std::move(description)};
}

AutomationError FileTooLargeError(const std::filesystem::path& path, std::uintmax_t limitBytes) {
  std::u16string description = u"File \"" + PathText(path) + u"\" is larger than ";
  AppendInteger(description, static_cast<int64_t>(limitBytes));
  description += u" bytes.";
  return {1, std::move(description)};
}

}  // namespace glyphwright
