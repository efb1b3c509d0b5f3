#include "chem/chem_name_query.h"

#include "chem/prefix_list.h"
#include "chem/scan_units.h"
#include "chem/shared_queries.h"
#include "script/text_length.h"

namespace glyphwright {

// Loading the prefix list is the one step that can fail; the object then keeps no reference
// and writes no command word, and its next call tries again.
void ChemNameQuery::FetchSharedQueries() {
  auto prefixes = SharedPrefixQuery();
  prefixes->SetCommand(italicCommand_);
  auto stereodescriptors = SharedStereoQuery();
  stereodescriptors->SetCommand(italicCommand_);
  auto elements = SharedElementQuery();
  elements->SetCommand(italicCommand_);
  auto configurations = SharedDLQuery();
  configurations->SetCommand(smallCommand_);
  prefixes_ = std::move(prefixes);
  stereodescriptors_ = std::move(stereodescriptors);
  elements_ = std::move(elements);
  configurations_ = std::move(configurations);
}

std::u16string ChemNameQuery::GetCommands(std::u16string_view Text) {
  const CodeArray chars = ScanChars(Text);
  if (!prefixes_) FetchSharedQueries();
  return WriteUnits(chars, *prefixes_, *stereodescriptors_, *elements_, *configurations_);
}

void ChemNameQuery::StreamCommands(std::u16string Text, ScriptSink& sink) {
  const CodeArray chars = ScanOwnedChars(std::move(Text));
  if (!prefixes_) FetchSharedQueries();
  StreamUnits(chars, sink, *prefixes_, *stereodescriptors_, *elements_, *configurations_);
}

}  // namespace glyphwright
