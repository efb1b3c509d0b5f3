// The `glyphwright` command, callable in-process: main() is a thin shell around RunCli.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "cli/query_registry.h"

namespace glyphwright::cli {

struct Streams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// Exit status: 0 success, 1 automation error, 2 bad usage or bad input, 3 text not converted,
// 4 the checker found something wrong in the text.
inline constexpr int kExitOk = 0;
inline constexpr int kExitAutomationError = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNotConverted = 3;
inline constexpr int kExitFindings = 4;

// Runs one command line, given without the program name.
int RunCli(std::span<const std::string> args, const QueryRegistry& queries, Streams streams);

}  // namespace glyphwright::cli
