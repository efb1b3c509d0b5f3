// Calling a query the way a host macro does: by name, through Dispatch only.
#pragma once

#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "chem/script_sink.h"
#include "cli/query_registry.h"
#include "document/document.h"
#include "script/command_runner.h"

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

// Makes the query and puts each setting as a property (the automation layer converts the text).
DispatchRef MakeQuery(const QueryEntry& entry, std::span<const Setting> settings);

// Both GetCommands answer a text Variant: any other answer is converted the way the automation
// run time converts it to text.
//
// Hands the query the document as its FontListener when it has one, and answers GetCommands for
// the document's selected text.
Variant GetCommands(Dispatch& query, const std::shared_ptr<Document>& document);

// The query's script for plain text; the query must have no FontListener, as nothing could
// answer it.
Variant GetCommands(Dispatch& query, std::u16string text);

// The query's script for text, written to out as UTF-8 a block at a time as the query makes it.
// Output that can no longer be written ends the work with an error, as later blocks would be
// lost too.
void StreamScript(StreamedCommands& query, std::u16string text, std::ostream& out);

// The query's script for text run on runner a unit at a time as the query makes it, so the
// script is never held whole: the same calls, in the same order, with the same errors, as
// running the script GetCommands answers. A query that refuses the text raises before anything
// runs.
void RunStreamedScript(StreamedCommands& query, std::u16string text, CommandRunner& runner);

// The text of what GetCommands answered (always text), without copying it.
std::u16string_view TextOf(const Variant& script);

// NotConvertedError with the reason, when the empty script of such a query meant a rejected text.
void ExplainEmptyScript(Dispatch& query, std::u16string_view text);

}  // namespace glyphwright::cli
