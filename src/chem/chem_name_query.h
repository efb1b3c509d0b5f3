// ChemNameQuery: a systematic name typed as plain text, such as (2S,3R)-N-tert-butyl-D-threonine.
// Its script sets the prefixes of the prefix list, the stereodescriptors and the element-symbol
// locants (with their primes) in italics and the configuration letters D, L and DL in small
// capitals. It never changes a character. The lists overlap and nothing removes duplicates:
// S is a stereodescriptor and an element symbol and gets two italic units.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "automation/member_table.h"
#include "chem/chem_keywords_query.h"
#include "chem/script_sink.h"

namespace glyphwright {

class ChemNameQuery : public TableDispatch<ChemNameQuery>, public StreamedCommands {
 public:
  static MemberTable Members();

  // The command words go into the thread's shared keyword queries at this object's first
  // GetCommands; a later change has no effect on this object's scripts.
  const std::u16string& ItalicCommand() const { return italicCommand_; }
  void SetItalicCommand(std::u16string_view ItalicCommand) { italicCommand_ = ItalicCommand; }
  const std::u16string& SmallCommand() const { return smallCommand_; }
  void SetSmallCommand(std::u16string_view SmallCommand) { smallCommand_ = SmallCommand; }

  // Raises the error of loading the prefix list when that fails on the thread's first use.
  std::u16string GetCommands(std::u16string_view Text);
  void StreamCommands(std::u16string Text, ScriptSink& sink) override;

 private:
  void FetchSharedQueries();

  std::u16string italicCommand_ = u"Italic";
  std::u16string smallCommand_ = u"Small";
  std::shared_ptr<ChemKeywordsQuery> prefixes_;
  std::shared_ptr<ChemKeywordsQuery> stereodescriptors_;
  std::shared_ptr<ChemKeywordsQuery> elements_;
  std::shared_ptr<ChemKeywordsQuery> configurations_;
};

}  // namespace glyphwright
