// ChemFormulaQuery: a formula typed as plain text (H2SO4, Ca(OH)2, t-BuOH, HC#CH). Its script
// italicises the prefixes of the prefix list, subscripts the atom counts and replaces "#" and
// "*" by the triple-bond sign and the middle dot, in that order.
#pragma once

#include <concepts>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "automation/member_table.h"
#include "chem/chem_keywords_query.h"
#include "chem/chem_subscript_query.h"
#include "chem/script_sink.h"
#include "chem/triple_bond_trans_query.h"

namespace glyphwright {

class ChemFormulaQuery : public TableDispatch<ChemFormulaQuery>, public StreamedCommands {
 public:
  static MemberTable Members();

  // The command word of the prefix runs. It goes into the thread's shared prefix query at this
  // object's first GetCommands; a later change has no effect on this object's scripts.
  const std::u16string& ItalicCommand() const { return italicCommand_; }
  void SetItalicCommand(std::u16string_view ItalicCommand) { italicCommand_ = ItalicCommand; }

  // Raises the error of loading the prefix list when that fails on the thread's first use.
  std::u16string GetCommands(std::u16string_view Text);
  // The same script for a text the caller gives up, such as the selection a host has just read:
  // the scan is prepared in the text's own memory instead of a copy, which for a short selection
  // costs as much as the scan itself. Only a std::u16string that is handed over takes this way.
  template <class Owned>
  requires std::same_as<Owned, std::u16string> std::u16string GetCommands(Owned&& Text) {
    return GetOwnedCommands(std::move(Text));
  }
  void StreamCommands(std::u16string Text, ScriptSink& sink) override;

 private:
  std::u16string GetOwnedCommands(std::u16string Text);
  void FetchSharedQueries();

  std::u16string italicCommand_ = u"Italic";
  std::shared_ptr<ChemSubscriptQuery> subscript_;
  std::shared_ptr<ChemKeywordsQuery> prefixes_;
  std::shared_ptr<TripleBondTransQuery> tripleBond_;
};

}  // namespace glyphwright
