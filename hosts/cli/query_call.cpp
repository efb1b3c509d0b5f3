#include "cli/query_call.h"

#include "cli/cli_errors.h"
#include "cli/help.h"
#include "cli/text_io.h"

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

bool HasFontListener(Dispatch& query) {
  return query.GetIDsOfNames(u"FontListener") != kUnknownDispId;
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

std::u16string_view TextOf(const Variant& script) {
  const std::u16string* text = script.AsString();
  return text != nullptr ? std::u16string_view(*text) : std::u16string_view();
}

}  // namespace glyphwright::cli
