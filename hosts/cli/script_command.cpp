// glyphwright script QUERY [--set NAME=VALUE]... [--from FORM] [TEXT]
#include "cli/cli_errors.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "cli/options.h"
#include "cli/query_call.h"
#include "cli/text_io.h"

namespace glyphwright::cli {

void ScriptCommand(std::span<const std::string> args, const QueryRegistry& queries,
                   Streams& streams) {
  const std::string command = "script";
  constexpr OptionRule kOptions[] = {{"--set", true, true}, {"--from", true}};
  const ParsedOptions parsed = ParseOptions(args, kOptions, command);
  if (parsed.help) {
    streams.out << CommandHelp(command, queries);
    return;
  }
  const std::vector<std::string>& words = parsed.positionals;
  if (words.empty()) throw UsageError("script needs a QUERY", command);
  if (words.size() > 2) throw UsageError("too many arguments", command);
  const InputForm from = ParseInputForm(parsed.Value("--from").value_or("text"), command);
  const QueryEntry& query = FindQuery(queries, words[0], command);
  const std::vector<Setting> settings = ParseSettings(parsed.Values("--set"), command);

  std::u16string input = ReadText(words.size() > 1 ? &words[1] : nullptr, streams.in);
  // HTML must be read before anything else can fail; plain text needs a document only to answer
  // a FontListener (with no formatting in it), and most queries have none.
  std::shared_ptr<Document> document;
  if (from == InputForm::Html) document = MakeDocument(input, from);
  const DispatchRef instance = MakeQuery(query, settings);
  // The usual case: the script goes out as it is made, and is never held whole.
  if (StreamedCommands* streamed = document ? nullptr : StreamingQuery(*instance, query)) {
    StreamScript(*streamed, std::move(input), streams.out);
    return;
  }
  if (!document && HasFontListener(*instance)) document = MakeDocument(input, from);
  // A query that may reject its text needs the text once more to say why.
  const std::u16string kept = MayRejectText(query) && !document ? input : std::u16string();
  const Variant script =
      document ? GetCommands(*instance, document) : GetCommands(*instance, std::move(input));
  if (MayRejectText(query) && TextOf(script).empty()) {
    ExplainEmptyScript(*instance, document ? document->SelectedText() : kept);
  }
  WriteUtf8(streams.out, TextOf(script));
}

}  // namespace glyphwright::cli
