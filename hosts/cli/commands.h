// The subcommands. Each parses its own options, prints its help on request, and reports
// failures by raising UsageError, InputError or AutomationError.
#pragma once

#include <span>
#include <string>

#include "cli/cli.h"

namespace glyphwright::cli {

void RunCommand(std::span<const std::string> args, Streams& streams);
void ScriptCommand(std::span<const std::string> args, const QueryRegistry& queries,
                   Streams& streams);
void FormatCommand(std::span<const std::string> args, const QueryRegistry& queries,
                   Streams& streams);
// The exit status: kExitOk, or kExitFindings when the checker found something.
int CheckCommand(std::span<const std::string> args, const QueryRegistry& queries, Streams& streams);
void QueriesCommand(std::span<const std::string> args, const QueryRegistry& queries,
                    Streams& streams);

}  // namespace glyphwright::cli
