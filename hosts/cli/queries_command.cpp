// glyphwright queries: one line a query, its alias and its class name separated by a TAB.
#include "cli/cli_errors.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/options.h"
#include "text/utf8.h"

namespace glyphwright::cli {

void QueriesCommand(std::span<const std::string> args, const QueryRegistry& queries,
                    Streams& streams) {
  const std::string command = "queries";
  const ParsedOptions parsed = ParseOptions(args, {}, command);
  if (parsed.help) {
    streams.out << CommandHelp(command, queries);
    return;
  }
  if (!parsed.positionals.empty()) throw UsageError("too many arguments", command);
  for (const QueryEntry& entry : queries.Entries()) {
    streams.out << Utf16ToUtf8(entry.alias) << '\t' << Utf16ToUtf8(entry.className) << '\n';
  }
}

}  // namespace glyphwright::cli
