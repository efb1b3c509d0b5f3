#include "characterisation/characterisation_query.h"

#include <algorithm>
#include <string>

#include "characterisation/characterisation_check.h"
#include "characterisation/characterisation_marks.h"
#include "characterisation/formula_words.h"
#include "characterisation/nmr_headers.h"
#include "chem/scan_units.h"
#include "chem/shared_queries.h"
#include "script/text_length.h"

namespace glyphwright {
namespace {

// The code array with everything but the formulas blanked: the shared subscript scanner then
// finds exactly the formulas' counts, at their offsets in the text.
CodeArray FormulasOnly(const CodeArray& chars, const std::vector<FormulaWord>& words) {
  CodeArray masked(chars.size(), u' ');
  for (const FormulaWord& word : words) {
    std::copy_n(chars.begin() + static_cast<std::ptrdiff_t>(word.start), word.length,
                masked.begin() + static_cast<std::ptrdiff_t>(word.start));
  }
  return masked;
}

}  // namespace

std::u16string CharacterisationQuery::GetCommands(std::u16string_view Text) {
  const CodeArray chars = ScanChars(Text);
  if (!subscript_) subscript_ = SharedSubscriptQuery();
  const std::u16string_view text(chars.data(), Text.size());

  const std::vector<FormulaWord> formulas = FindFormulaWords(text);
  Marks marks;
  for (const FormulaWord& word : formulas) {
    if (word.chargeLength == 0) continue;
    const std::size_t charge = word.start + word.length;
    for (std::size_t c = charge; c < charge + word.chargeLength; ++c) {
      if (text[c] == u'-') marks.push_back({MarkKind::Replace, c, kMinusSign});
    }
    marks.push_back({MarkKind::Superscript, charge, static_cast<int32_t>(word.chargeLength)});
  }
  MarkMeltingRanges(text, marks);
  MarkRotations(text, marks);
  MarkSpectraUnits(text, marks);
  MarkRetentionFactors(text, marks);
  MarkNmrHeaders(text, marks);
  MarkCouplingConstants(text, marks);
  MarkMassSpectra(text, marks);
  std::stable_sort(marks.begin(), marks.end(),
                   [](const Mark& a, const Mark& b) { return a.start < b.start; });

  ScriptWriter out;
  for (const Mark& mark : marks) {
    if (mark.kind == MarkKind::Replace) {
      out.Command2(u"ReplaceChar", static_cast<int64_t>(mark.start), mark.length);
    }
  }
  AppendUnits(FormulasOnly(chars, formulas), out, *subscript_);
  for (const Mark& mark : marks) {
    const auto start = static_cast<int64_t>(mark.start);
    switch (mark.kind) {
      case MarkKind::Replace:
        break;
      case MarkKind::Subscript:
        out.Command2(u"Subscript", start, mark.length);
        break;
      case MarkKind::Superscript:
        out.Command2(u"Superscript", start, mark.length);
        break;
      case MarkKind::Italic:
        out.Command2(italicCommand_, start, mark.length);
        break;
    }
  }
  return std::move(out).Script();
}

std::u16string CharacterisationQuery::CheckCharacterisation(std::u16string_view Text) const {
  std::u16string lines;
  for (const Finding& finding : glyphwright::CheckCharacterisation(Text)) {
    for (char c : std::to_string(finding.offset)) lines.push_back(static_cast<char16_t>(c));
    lines += u": ";
    lines += finding.message;
    lines.push_back(u'\n');
  }
  return lines;
}

}  // namespace glyphwright
