// glyphwright check [TEXT]: one line 'OFFSET: MESSAGE' per finding of the characterisation
// checker; the exit status says whether there was any.
#include "characterisation/characterisation_check.h"
#include "cli/cli_errors.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/options.h"
#include "cli/text_io.h"
#include "text/utf8.h"

namespace glyphwright::cli {

int CheckCommand(std::span<const std::string> args, const QueryRegistry& queries,
                 Streams& streams) {
  const std::string command = "check";
  const ParsedOptions parsed = ParseOptions(args, {}, command);
  if (parsed.help) {
    streams.out << CommandHelp(command, queries);
    return kExitOk;
  }
  const std::vector<std::string>& words = parsed.positionals;
  if (words.size() > 1) throw UsageError("too many arguments", command);
  const std::u16string text = ReadText(words.empty() ? nullptr : &words[0], streams.in);
  const std::vector<Finding> findings = CheckCharacterisation(text);
  for (const Finding& finding : findings) {
    streams.out << finding.offset << ": " << Utf16ToUtf8(finding.message) << '\n';
  }
  return findings.empty() ? kExitOk : kExitFindings;
}

}  // namespace glyphwright::cli
