// glyphwright format QUERY [--set NAME=VALUE]... [--to FORM] [--from FORM] [--ignore-error]
//                    [TEXT]
#include "cli/cli_errors.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/options.h"
#include "cli/query_call.h"
#include "cli/text_io.h"
#include "script/command_runner.h"

namespace glyphwright::cli {

void FormatCommand(std::span<const std::string> args, const QueryRegistry& queries,
                   Streams& streams) {
  const std::string command = "format";
  constexpr OptionRule kOptions[] = {
      {"--set", true, true}, {"--to", true}, {"--from", true}, {"--ignore-error"}};
  const ParsedOptions parsed = ParseOptions(args, kOptions, command);
  if (parsed.help) {
    streams.out << CommandHelp(command, queries);
    return;
  }
  const std::vector<std::string>& words = parsed.positionals;
  if (words.empty()) throw UsageError("format needs a QUERY", command);
  if (words.size() > 2) throw UsageError("too many arguments", command);
  const OutputForm to = ParseOutputForm(parsed.Value("--to").value_or("html"), command);
  const InputForm from = ParseInputForm(parsed.Value("--from").value_or("text"), command);
  const QueryEntry& query = FindQuery(queries, words[0], command);
  const std::vector<Setting> settings = ParseSettings(parsed.Values("--set"), command);

  std::u16string input = ReadText(words.size() > 1 ? &words[1] : nullptr, streams.in);
  const std::shared_ptr<Document> document = MakeDocument(input, from);
  const DispatchRef instance = MakeQuery(query, settings);
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.SetIgnoreError(parsed.Has("--ignore-error"));
  if (StreamedCommands* streamed = StreamingQuery(*instance, query)) {
    // The script runs as the query writes it: megabytes of it are never held. A plain-text
    // document holds the input as it was read, all of it selected, so the input itself is the
    // query's text and the document's is not copied out again.
    std::u16string text = from == InputForm::Text ? std::move(input) : document->SelectedText();
    RunStreamedScript(*streamed, std::move(text), runner);
    WriteRendering(streams.out, *document, to);
    return;
  }
  std::u16string().swap(input);  // the document has its own copy
  Variant script = GetCommands(*instance, document);
  if (MayRejectText(query) && TextOf(script).empty()) {
    ExplainEmptyScript(*instance, document->SelectedText());
  }
  // The script is the command's own (GetCommands always answers text): the runner takes it over
  // instead of copying megabytes of it.
  std::u16string* commands = script.AsString();
  runner.RunOwned(commands != nullptr ? std::move(*commands) : std::u16string());
  WriteRendering(streams.out, *document, to);
}

}  // namespace glyphwright::cli
