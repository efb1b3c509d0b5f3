#include "chem/chem_name_query.h"

#include "chem/prefix_list.h"
#include "chem/prepared_text.h"
#include "chem/script_length.h"
#include "chem/shared_queries.h"

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
  CodeArray chars;
  PrepareChars(Text, chars);
  if (!prefixes_) FetchSharedQueries();
  ScriptWriter out;
  out.Reserve(ScriptRoom(chars, prefixes_, stereodescriptors_, elements_, configurations_));
  prefixes_->AppendCommands(chars, out);
  stereodescriptors_->AppendCommands(chars, out);
  elements_->AppendCommands(chars, out);
  configurations_->AppendCommands(chars, out);
  return std::move(out).Script();
}

}  // namespace glyphwright
