// ChemTextQuery: everything chemical in running text, each item formatted exactly as the query
// for that item alone would format it, its offsets moved to where the item stands:
//   formulas  H2SO4, Pd(PPh3)4, 2 H2 + O2 → 2 H2O       as ChemFormulaQuery
//   ions      SO42-, Fe3+, [Fe(CN)6]3-, 2e-              as IonFormulaQuery
//   names     (R)-2-methylbutanoic, N,N-dimethylformamide as ChemNameQuery
//   solvents  CDCl3, DMSO-d6                              as ChemFormulaQuery
//   references, every one                                 as JournalQuery
//   NMR       '1H NMR', '13C{1H} NMR' mass numbers superscript; the J of 'J = 8.0 Hz' italic
// Everything else stays as it is: years, labels (Table 2, compound 3a), quantities, codes and
// cell lines (A549, COVID-19, IC50), words that are element symbols (In, As, I).
//
// The script only sets formatting, never clears it, so running it twice changes nothing more.
// With a FontListener, characters the host reports as superscript get no Subscript and those it
// reports as subscript no Superscript: formatting done by hand stays.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/member_table.h"
#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/ion_formula_query.h"
#include "journal/journal_query.h"
#include "prose/text_range.h"

namespace glyphwright {

class ScriptWriter;

class ChemTextQuery : public TableDispatch<ChemTextQuery> {
 public:
  static MemberTable Members();

  // The command words of the italic and small-capital runs, as ChemNameQuery's. They go into the
  // thread's shared keyword queries at this object's first GetCommands.
  const std::u16string& ItalicCommand() const { return italicCommand_; }
  void SetItalicCommand(std::u16string_view ItalicCommand);
  const std::u16string& SmallCommand() const { return smallCommand_; }
  void SetSmallCommand(std::u16string_view SmallCommand);

  // Optional: the host object that reports what is subscript or superscript already.
  const DispatchRef& FontListener() const { return fontListener_; }
  void SetFontListener(DispatchRef FontListener) { fontListener_ = std::move(FontListener); }

  // Raises error 1 for a text longer than the library takes, the error of loading the prefix
  // list on the thread's first use, and errors of the FontListener.
  std::u16string GetCommands(std::u16string_view Text);

 private:
  // Formats one piece of the text and answers the offset up to which the text is dealt with
  // (an NMR header takes the piece after it too).
  int32_t FormatPiece(std::u16string_view text, std::u16string_view folded, prose::TextRange piece,
                      std::u16string_view previous, ScriptWriter& out);
  // Writes the units of an item's own script, moved by offset.
  void AppendMoved(std::u16string_view script, int32_t offset, ScriptWriter& out);
  void AppendScript(std::u16string_view word, int32_t start, int32_t length, ScriptWriter& out);

  std::u16string italicCommand_ = u"Italic";
  std::u16string smallCommand_ = u"Small";
  DispatchRef fontListener_;
  bool commandsGiven_ = false;
  ChemFormulaQuery formula_;
  IonFormulaQuery ion_;
  ChemNameQuery name_;
  JournalQuery journal_;
};

}  // namespace glyphwright
