// The queries the command knows, by alias and by class name. Everything after the lookup goes
// through Dispatch by name, so a query needs no code of its own here: one entry is enough.
#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "automation/dispatch.h"

namespace glyphwright {
class StreamedCommands;
}  // namespace glyphwright

namespace glyphwright::cli {

struct QueryEntry {
  std::u16string_view alias;      // "ion"
  std::u16string_view className;  // "IonFormulaQuery"
  DispatchRef (*make)();
};

template <class Query>
DispatchRef MakeQuery() {
  return std::make_shared<Query>();
}

class QueryRegistry {
 public:
  void Add(const QueryEntry& entry) { entries_.push_back(entry); }
  // By alias or class name, ignoring letter case; nullptr when unknown.
  const QueryEntry* Find(std::u16string_view name) const;
  std::span<const QueryEntry> Entries() const { return entries_; }

 private:
  std::vector<QueryEntry> entries_;
};

// The queries built into this program, in the order help lists them.
QueryRegistry BuiltInQueries();

// Whether the query asks a FontListener about the text's formatting.
bool HasFontListener(Dispatch& query);

// Whether an empty script from the query may stand for a text it could not read (the list-to-table
// query's answer to a list it cannot read).
bool MayRejectText(const QueryEntry& entry);

// The query's StreamedCommands when its script for plain text can be written as it is made: it
// has one, no FontListener to ask, and no empty script that could mean a rejected text.
StreamedCommands* StreamingQuery(Dispatch& query, const QueryEntry& entry);

}  // namespace glyphwright::cli
