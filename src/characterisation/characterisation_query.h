// CharacterisationQuery: a paragraph of characterisation data (mp, [α]D, IR, Rf, NMR headers,
// HRMS, elemental analysis) formatted as journals print it. Its script replaces characters
// first (the en dash of a melting range, the minus signs of 'cm-1' and of charges), then
// subscripts the counts of the formulas, then sets the other sub- and superscripts and italics
// in text order. Everything else (compound numbers, years, 'Table S2', '5 mL') stays.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "automation/member_table.h"
#include "chem/chem_subscript_query.h"

namespace glyphwright {

class CharacterisationQuery : public TableDispatch<CharacterisationQuery> {
 public:
  static MemberTable Members();

  // The command word of 'm/z' and 'J'.
  const std::u16string& ItalicCommand() const { return italicCommand_; }
  void SetItalicCommand(std::u16string_view ItalicCommand) { italicCommand_ = ItalicCommand; }

  std::u16string GetCommands(std::u16string_view Text);

  // The checker's findings for hosts that take only strings: one line "OFFSET: MESSAGE" per
  // finding, each ended by LF, as `glyphwright check` prints them; "" when nothing is wrong.
  std::u16string CheckCharacterisation(std::u16string_view Text) const;

 private:
  std::u16string italicCommand_ = u"Italic";
  std::shared_ptr<ChemSubscriptQuery> subscript_;
};

}  // namespace glyphwright
