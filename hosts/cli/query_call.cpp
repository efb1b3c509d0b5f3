#include "cli/query_call.h"

#include <cstdint>
#include <span>
#include <stdexcept>

#include "cli/cli_errors.h"
#include "cli/help.h"
#include "cli/text_io.h"
#include "nmr/peak_list_explanation.h"
#include "text/utf8.h"

namespace glyphwright::cli {

std::vector<Setting> ParseSettings(std::span<const std::string> words, const std::string& command) {
  std::vector<Setting> settings;
  for (const std::string& word : words) {
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos || equals == 0) {
      throw UsageError("--set takes NAME=VALUE, not '" + word + "'", command);
    }
    settings.push_back({DecodeUtf8(word.substr(0, equals), "the --set argument"),
                        DecodeUtf8(word.substr(equals + 1), "the --set argument")});
  }
  return settings;
}

const QueryEntry& FindQuery(const QueryRegistry& queries, const std::string& name,
                            const std::string& command) {
  if (const QueryEntry* entry = queries.Find(DecodeUtf8(name, "the QUERY argument"))) return *entry;
  throw UsageError("no such query '" + name + "'; " + KnownQueries(queries), command);
}

DispatchRef MakeQuery(const QueryEntry& entry, std::span<const Setting> settings) {
  const DispatchRef query = entry.make();
  for (const Setting& setting : settings) {
    Variant value(setting.value);
    Variant* args[] = {&value};
    CallByName(*query, setting.name, InvokeKind::PropertyPut, args);
  }
  return query;
}

Variant GetCommands(Dispatch& query, const std::shared_ptr<Document>& document) {
  if (HasFontListener(query)) {
    Variant listener{DispatchRef(document)};
    Variant* args[] = {&listener};
    CallByName(query, u"FontListener", InvokeKind::PropertyPutRef, args);
  }
  return GetCommands(query, document->SelectedText());
}

Variant GetCommands(Dispatch& query, std::u16string text) {
  Variant argument(std::move(text));
  Variant* args[] = {&argument};
  Variant script = CallByName(query, u"GetCommands", InvokeKind::Method, args);
  if (!script.IsString()) return Variant(script.ToText());
  return script;
}

void StreamScript(StreamedCommands& query, std::u16string text, std::ostream& out) {
  ScriptSink sink([&](std::string_view block) {
    if (!out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
      throw std::runtime_error("cannot write the output");
    }
  });
  query.StreamCommands(std::move(text), sink);
  sink.Flush();
}

namespace {

// Runs each unit as it is made, its numbers as they are.
class UnitRunner final : public ScriptUnits {
 public:
  explicit UnitRunner(CommandRunner& runner) : runner_(runner) {}
  void Unit(std::u16string_view word, int64_t first, int64_t second) override {
    runner_.RunUnit(first, second, word);
  }
  void Units(std::u16string_view word, std::span<const UnitIntegers> units) override {
    runner_.RunUnits(word, units);
  }

 private:
  CommandRunner& runner_;
};

}  // namespace

void RunStreamedScript(StreamedCommands& query, std::u16string text, CommandRunner& runner) {
  UnitRunner units(runner);
  ScriptSink sink(units);
  runner.BeginUnits();
  query.StreamCommands(std::move(text), sink);
}

std::u16string_view TextOf(const Variant& script) {
  const std::u16string* text = script.AsString();
  return text != nullptr ? std::u16string_view(*text) : std::u16string_view();
}

// The list-to-table query answers a list it cannot read with the empty script, which would
// leave the user looking at an unchanged text; the reader's reason, asked with the same settings,
// makes that a failure of its own.
void ExplainEmptyScript(Dispatch& query, std::u16string_view text) {
  const std::u16string specFormat =
      CallByName(query, u"SpecFormat", InvokeKind::PropertyGet, {}).ToText();
  const bool strict = CallByName(query, u"Strict", InvokeKind::PropertyGet, {}).ToBoolean();
  if (const auto failure = ExplainPeakList(text, specFormat, strict)) {
    throw NotConvertedError(Utf16ToUtf8(DescribePeakListFailure(text, *failure)));
  }
}

}  // namespace glyphwright::cli
