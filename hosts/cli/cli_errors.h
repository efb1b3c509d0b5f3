// The failures of the command itself: usage and input (exit status 2), and a query that could
// not convert its text (status 3). Automation errors (status 1) are glyphwright::AutomationError.
#pragma once

#include <stdexcept>
#include <string>

namespace glyphwright::cli {

// The command line is wrong: the message is followed by a pointer to the command's help.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const std::string& message, std::string command = {})
      : std::runtime_error(message), command_(std::move(command)) {}
  // The subcommand whose help to point at, or empty for the general help.
  const std::string& Command() const { return command_; }

 private:
  std::string command_;
};

// The input is unusable: invalid UTF-8, an unreadable file, HTML that cannot be read.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The query read the text and declined it, as the list-to-table query does with a list it cannot
// read: its script is empty, and the message says why and where.
class NotConvertedError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace glyphwright::cli
