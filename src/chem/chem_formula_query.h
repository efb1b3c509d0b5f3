// ChemFormulaQuery: a formula typed as plain text (H2SO4, Ca(OH)2, t-BuOH, HC#CH). Its script
// italicises the prefixes of the prefix list, subscripts the atom counts and replaces "#" and
// "*" by the triple-bond sign and the middle dot, in that order.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

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
  void StreamCommands(std::u16string Text, ScriptSink& sink) override;

 private:
  void FetchSharedQueries();

  std::u16string italicCommand_ = u"Italic";
  std::shared_ptr<ChemSubscriptQuery> subscript_;
  std::shared_ptr<ChemKeywordsQuery> prefixes_;
  std::shared_ptr<TripleBondTransQuery> tripleBond_;
};

}  // namespace glyphwright
