// IonFormulaQuery: an ion formula typed as plain text (SO42-, Fe3+, [Fe(CN)6]3-). Its script
// replaces "#" and "*", subscripts the atom counts and superscripts the charges, in that order:
// a charge number such as the 2 of SO42- is first part of a subscript run, and the later
// Superscript unit, which clears both script states of its range first, wins.
#pragma once

#include <concepts>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "automation/member_table.h"
#include "chem/chem_subscript_query.h"
#include "chem/chem_superscript_query.h"
#include "chem/script_sink.h"
#include "chem/triple_bond_trans_query.h"

namespace glyphwright {

class IonFormulaQuery : public TableDispatch<IonFormulaQuery>, public StreamedCommands {
 public:
  static MemberTable Members();

  std::u16string GetCommands(std::u16string_view Text);
  // The same script for a text the caller gives up, its scan prepared in the text's own memory
  // (see ChemFormulaQuery).
  template <class Owned>
  requires std::same_as<Owned, std::u16string> std::u16string GetCommands(Owned&& Text) {
    return GetOwnedCommands(std::move(Text));
  }
  void StreamCommands(std::u16string Text, ScriptSink& sink) override;

 private:
  std::u16string GetOwnedCommands(std::u16string Text);
  void FetchSharedQueries();

  std::shared_ptr<ChemSubscriptQuery> subscript_;
  std::shared_ptr<ChemSuperscriptQuery> superscript_;
  std::shared_ptr<TripleBondTransQuery> tripleBond_;
};

}  // namespace glyphwright
