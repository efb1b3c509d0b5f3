// File-system failures as the run time reports them: its standard error number and text, with
// the file named, so a user can tell which file is at fault.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "automation/automation_error.h"

namespace glyphwright {

// From a C library error code (errno): EACCES becomes 70 "Permission denied", EIO 57 "Device I/O
// error", and so on; a code without a closer match becomes 75 "Path/File access error".
AutomationError FileAccessError(int errorCode, const std::filesystem::path& path);

// Error 1: the file is longer than the largest size read.
AutomationError FileTooLargeError(const std::filesystem::path& path, std::uintmax_t limitBytes);

// The path as text for a message.
std::u16string PathText(const std::filesystem::path& path);

}  // namespace glyphwright
