// Checks the query targets share: a script run on the reference document, and the same query
// through the `glyphwright` command giving byte for byte what the library gives.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "fuzz_support.h"

namespace glyphwright::fuzz {

// A property set on a query, as the command's --set takes it.
struct Setting {
  std::u16string name;
  std::u16string value;
};

// A fresh document holding text, all of it selected.
std::shared_ptr<Document> MakeDocument(std::u16string_view text);
// Runs script on the document; the runner's errors are raised.
void RunScript(const std::shared_ptr<Document>& document, std::u16string_view script,
               bool ignoreError = false);
// Every character's text and formatting.
std::string Json(const Document& document);

// Whether running the script ever holds more values on the runner's stack than it has room
// for: a unit whose word is none of the formatting words ("" and "italic" are no words at all)
// leaves its two values behind, so a later unit's two values may find the stack full, and past
// 101 values the runner answers error 9, as it does for any script.
bool OverflowsTheStack(const std::vector<Unit>& units);
// Checks that running the script on the document raises error 9.
void CheckStackOverflow(const std::shared_ptr<Document>& document, std::u16string_view script);
// What `glyphwright format` prints for the document.
std::string CliHtml(const Document& document);

// `glyphwright script ALIAS --set ... < text` prints exactly script (or fails with exactly the
// error), and `glyphwright format ALIAS --set ... < text` prints exactly formattedHtml. Skipped for
// a text the command cannot be given (a lone surrogate has no UTF-8 form).
void CheckCliScript(std::string_view alias, const std::vector<Setting>& settings,
                    std::u16string_view text, std::u16string_view script);
void CheckCliError(std::string_view command, std::string_view alias,
                   const std::vector<Setting>& settings, std::u16string_view text,
                   const AutomationError& error);
void CheckCliFormat(std::string_view alias, const std::vector<Setting>& settings,
                    std::u16string_view text, std::string_view formattedHtml);

}  // namespace glyphwright::fuzz
