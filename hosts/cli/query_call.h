// Calling a query the way a host macro does: by name, through Dispatch only.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "cli/query_registry.h"
#include "document/document.h"

namespace glyphwright::cli {

// A property assignment given as "--set NAME=VALUE".
struct Setting {
  std::u16string name;
  std::u16string value;
};

// UsageError for a word without "=" or with an empty name.
std::vector<Setting> ParseSettings(std::span<const std::string> words, const std::string& command);

// The query for a name or class name; UsageError listing the known ones.
const QueryEntry& FindQuery(const QueryRegistry& queries, const std::string& name,
                            const std::string& command);

// Makes the query, puts each setting as a property (the automation layer converts the text), hands
// it the document as its FontListener when it has one, and answers GetCommands for the document's
// selected text.
// An empty script that stands for a text the query could not read raises NotConvertedError.
std::u16string GetCommands(const QueryEntry& entry, std::span<const Setting> settings,
                           const std::shared_ptr<Document>& document);

// NotConvertedError with the reason, when the empty script of the query meant a rejected text.
void ExplainEmptyScript(const QueryEntry& entry, Dispatch& query, std::u16string_view text);

}  // namespace glyphwright::cli
