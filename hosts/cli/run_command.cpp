// glyphwright run [--ignore-error] [--to FORM] [--from FORM] SCRIPT [TEXT]
#include "cli/cli_errors.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/options.h"
#include "cli/text_io.h"
#include "script/command_runner.h"

namespace glyphwright::cli {

void RunCommand(std::span<const std::string> args, Streams& streams) {
  const std::string command = "run";
  constexpr OptionRule kOptions[] = {{"--ignore-error"}, {"--to", true}, {"--from", true}};
  const ParsedOptions parsed = ParseOptions(args, kOptions, command);
  if (parsed.help) {
    streams.out << CommandHelp(command, {});
    return;
  }
  const std::vector<std::string>& words = parsed.positionals;
  if (words.empty()) throw UsageError("run needs a SCRIPT", command);
  if (words.size() > 2) throw UsageError("too many arguments", command);
  const OutputForm to = ParseOutputForm(parsed.Value("--to").value_or("html"), command);
  const InputForm from = ParseInputForm(parsed.Value("--from").value_or("text"), command);
  const std::string& scriptWord = words[0];
  const std::string* textWord = words.size() > 1 ? &words[1] : nullptr;
  if (scriptWord == "-" && (textWord == nullptr || *textWord == "-")) {
    throw UsageError("SCRIPT and TEXT cannot both come from standard input", command);
  }

  // Scripts are read verbatim: a CR before an LF belongs to the line.
  const std::u16string script = scriptWord == "-"
                                    ? DecodeUtf8(ReadAll(streams.in), "standard input")
                                    : DecodeUtf8(ReadFile(scriptWord), "'" + scriptWord + "'");
  const std::shared_ptr<Document> document = MakeDocument(ReadText(textWord, streams.in), from);

  CommandRunner runner;
  runner.SetExecuter(document);
  runner.SetIgnoreError(parsed.Has("--ignore-error"));
  runner.Run(script);
  WriteRendering(streams.out, *document, to);
}

}  // namespace glyphwright::cli
