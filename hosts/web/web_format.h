// What the web page asks of the library: one job on one text, answered in every form the page
// shows or copies. The job is found by the command line's alias or by class name and called by
// name only, so a query class added to the registry needs nothing here.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "web/written_script.h"

namespace glyphwright {
class Document;
}

namespace glyphwright::web {

struct Setting {
  std::u16string name;   // "ItalicCommand"
  std::u16string value;  // "Chemical Italic"; the automation layer converts it
};

struct Job {
  std::u16string_view query;  // "formula" or "ChemFormulaQuery"
  std::vector<Setting> settings;
};

struct FormatResult {
  std::u16string html;
  std::u16string text;
  std::u16string unicode;
  // The script GetCommands answers; one byte a unit when all of it is ASCII (WrittenScript).
  WrittenScript script;
};

// Selects the whole document, makes the query, puts each setting it has as a property (one the
// query lacks is skipped, so one set of page settings serves every job), hands it the document
// as its FontListener when it has one, and runs its script on the document: unit by unit as the
// query makes it when the query can stream it and asks no FontListener, else whole. Either way
// the script answered is the one GetCommands answers. Raises the library's AutomationError, the
// document then half edited; an unknown query is error 5.
FormatResult RunJob(const Job& job, const std::shared_ptr<Document>& document);

// The job on a new document holding the text (CR is a paragraph mark), as the command's
// `format` does.
FormatResult Format(const Job& job, std::u16string_view text);

// "alias\tClassName\n" for each job, in the order the command's help lists them.
std::u16string QueryList();

}  // namespace glyphwright::web
