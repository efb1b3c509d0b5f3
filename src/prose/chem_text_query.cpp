#include "prose/chem_text_query.h"

#include <algorithm>

#include "prose/chemical_name_token.h"
#include "prose/formula_token.h"
#include "prose/listener_state.h"
#include "prose/nmr_header.h"
#include "prose/prose_pieces.h"
#include "prose/reference_finder.h"
#include "prose/script_units.h"
#include "script/builders.h"
#include "script/text_length.h"
#include "text/char_class.h"

namespace glyphwright {
namespace {

using prose::TextRange;

// Most of running text: a word of lowercase letters, which is never chemistry on its own.
bool IsPlainWord(std::u16string_view piece) {
  return std::all_of(piece.begin(), piece.end(), IsLowerChar);
}

// A capitalised word before S8 makes it a label of the supporting information (Figure S8), not
// sulfur; any other molecule of one element after a capital word (Under N2) stays a formula.
bool IsLabelWord(std::u16string_view word) {
  if (!word.empty() && word.back() == u'.') word.remove_suffix(1);
  if (word.size() < 3 || !IsUpperChar(word[0])) return false;
  return std::all_of(word.begin() + 1, word.end(), IsLowerChar);
}

// The electron of an equation: e-, 2e-.
bool IsElectron(std::u16string_view piece) {
  std::size_t i = 0;
  while (i < piece.size() && IsDigitChar(piece[i])) ++i;
  return piece.substr(i) == u"e-";
}

// The formula that opens a compound word: the CO2 of CO2-derived, the TiO2 of TiO2-based.
std::size_t FormulaBeforeWordLength(std::u16string_view piece) {
  for (std::size_t k = 1; k + 2 < piece.size(); ++k) {
    if (piece[k] == u'-' && IsLowerChar(piece[k + 1]) && IsLowerChar(piece[k + 2])) return k;
  }
  return 0;
}

}  // namespace

void ChemTextQuery::SetItalicCommand(std::u16string_view ItalicCommand) {
  italicCommand_ = ItalicCommand;
  formula_.SetItalicCommand(ItalicCommand);
  name_.SetItalicCommand(ItalicCommand);
}

void ChemTextQuery::SetSmallCommand(std::u16string_view SmallCommand) {
  smallCommand_ = SmallCommand;
  name_.SetSmallCommand(SmallCommand);
}

void ChemTextQuery::AppendScript(std::u16string_view word, int32_t start, int32_t length,
                                 ScriptWriter& out) {
  const bool subscript = word == u"Subscript";
  if (!fontListener_ || (!subscript && word != u"Superscript")) {
    out.Command2(word, start, length);
    return;
  }
  // Keep the listener alive through the calls, even if it replaces itself meanwhile.
  const DispatchRef listener = fontListener_;
  const std::u16string_view other = subscript ? u"GetSuperscript" : u"GetSubscript";
  int32_t runStart = start;
  for (int32_t k = start; k <= start + length; ++k) {
    const bool keep = k < start + length && !prose::ListenerReportsSet(*listener, other, k, 1);
    if (keep) continue;
    if (k > runStart) out.Command2(word, runStart, k - runStart);
    runStart = k + 1;
  }
}

void ChemTextQuery::AppendMoved(std::u16string_view script, int32_t offset, ScriptWriter& out) {
  std::vector<prose::ScriptUnit> units;
  prose::ReadUnits(script, units);
  for (const prose::ScriptUnit& unit : units) {
    const int32_t start = static_cast<int32_t>(unit.first + offset);
    if (unit.word == u"ReplaceChar") {
      // The second value is a character code, not a length: it goes on as it came.
      out.Value(start).Value(unit.second).Command(unit.word);
      continue;
    }
    AppendScript(unit.word, start, static_cast<int32_t>(prose::LengthOf(unit)), out);
  }
}

int32_t ChemTextQuery::FormatPiece(std::u16string_view text, std::u16string_view folded,
                                   TextRange piece, std::u16string_view previous,
                                   ScriptWriter& out) {
  const std::u16string_view folds = folded.substr(piece.start, piece.length);
  const std::u16string_view item = text.substr(piece.start, piece.length);
  const std::size_t at = static_cast<std::size_t>(piece.start);
  if (IsDigitChar(folds[0])) {
    std::vector<TextRange> massNumbers;
    const std::size_t end = prose::MatchNmrHeader(folded, at, massNumbers);
    if (end > at) {
      for (const TextRange& range : massNumbers) {
        AppendScript(u"Superscript", range.start, range.length, out);
      }
      return static_cast<int32_t>(end);
    }
  }
  if (folds[0] == u'J' && prose::IsCouplingSymbol(folded, at)) {
    AppendScript(italicCommand_, piece.start, 1, out);
    return piece.End();
  }
  // Every item below has a count, a charge, a triple bond or a hyphen.
  const bool mayFormat = std::any_of(folds.begin(), folds.end(), [](char16_t c) {
    return IsDigitChar(c) || c == u'-' || c == u'+' || c == u'#';
  });
  if (!mayFormat) return piece.End();
  if (prose::IsDeuteratedSolvent(folds)) {
    AppendMoved(formula_.GetCommands(item), piece.start, out);
    return piece.End();
  }
  if (IsElectron(folds)) {
    AppendMoved(ion_.GetCommands(item), piece.start, out);
    return piece.End();
  }
  switch (prose::ClassifyFormula(folds)) {
    case prose::FormulaKind::Neutral:
      if (!(folds[0] == u'S' && prose::IsSingleElementFormula(folds) && IsLabelWord(previous) &&
            piece.start >= 1 && folded[at - 1] == u' ' &&
            folded.substr(0, at - 1).ends_with(previous))) {
        AppendMoved(formula_.GetCommands(item), piece.start, out);
      }
      return piece.End();
    case prose::FormulaKind::Charged:
      AppendMoved(ion_.GetCommands(item), piece.start, out);
      return piece.End();
    case prose::FormulaKind::None:
      break;
  }
  if (prose::IsChemicalName(folds)) {
    AppendMoved(name_.GetCommands(item), piece.start, out);
    return piece.End();
  }
  if (const std::size_t length = FormulaBeforeWordLength(folds); length > 0) {
    const std::u16string_view formula = folds.substr(0, length);
    if (prose::ClassifyFormula(formula) == prose::FormulaKind::Neutral) {
      AppendMoved(formula_.GetCommands(item.substr(0, length)), piece.start, out);
    }
  }
  return piece.End();
}

std::u16string ChemTextQuery::GetCommands(std::u16string_view Text) {
  const CodeArray chars = ScanChars(Text);
  const std::u16string_view folded(chars.data(), Text.size());
  std::vector<prose::FoundReference> references;
  prose::FindReferences(Text, folded, journal_, references);
  std::vector<TextRange> pieces;
  prose::CutIntoPieces(folded, pieces);

  ScriptWriter out;
  std::size_t nextReference = 0;
  int32_t consumedUntil = 0;
  std::u16string_view previous;
  for (const TextRange& piece : pieces) {
    while (nextReference < references.size() && references[nextReference].start <= piece.start) {
      const prose::FoundReference& reference = references[nextReference++];
      AppendMoved(reference.script, reference.start, out);
      consumedUntil = std::max(consumedUntil, reference.end);
    }
    const std::u16string_view folds = folded.substr(piece.start, piece.length);
    if (piece.start >= consumedUntil && !IsPlainWord(folds)) {
      consumedUntil = FormatPiece(Text, folded, piece, previous, out);
    }
    previous = folds;
  }
  for (; nextReference < references.size(); ++nextReference) {
    AppendMoved(references[nextReference].script, references[nextReference].start, out);
  }
  return std::move(out).Script();
}

}  // namespace glyphwright
