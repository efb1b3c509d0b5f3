// The command run in-process, as the command tests run it: its status and both output streams.
#pragma once

#include <istream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace glyphwright::cli::in_process {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

inline Outcome RunIn(const std::vector<std::string>& args, std::istream& in,
                     const QueryRegistry& queries = BuiltInQueries()) {
  std::ostringstream out, err;
  const int status = RunCli(args, queries, {in, out, err});
  return {status, out.str(), err.str()};
}

inline Outcome RunOn(const std::vector<std::string>& args, const std::string& input = {},
                     const QueryRegistry& queries = BuiltInQueries()) {
  std::istringstream in(input);
  return RunIn(args, in, queries);
}

}  // namespace glyphwright::cli::in_process
