#include "script/vocabulary.h"

#include <array>
#include <utility>

namespace glyphwright {
namespace {

constexpr std::array<std::pair<std::u16string_view, Word>, 24> kWords{{
    {u"Pop", Word::Pop},
    {u"Plus", Word::Plus},
    {u"Minus", Word::Minus},
    {u"Inv", Word::Inv},
    {u"NormalScript", Word::NormalScript},
    {u"Subscript", Word::Subscript},
    {u"Superscript", Word::Superscript},
    {u"Small", Word::Small},
    {u"Italic", Word::Italic},
    {u"Bold", Word::Bold},
    {u"Chemical Italic", Word::ChemicalItalic},
    {u"Chemical Small", Word::ChemicalSmall},
    {u"ApplyStyle", Word::ApplyStyle},
    {u"ReplaceChar", Word::ReplaceChar},
    {u"TypeBackspace", Word::TypeBackspace},
    {u"TypeParagraph", Word::TypeParagraph},
    {u"TypeText", Word::TypeText},
    {u"TypeStyledText", Word::TypeStyledText},
    {u"GoTo", Word::GoTo},
    {u"Copy", Word::Copy},
    {u"Cut", Word::Cut},
    {u"Paste", Word::Paste},
    {u"Delete", Word::Delete},
    {u"Select", Word::Select},
}};

struct NamedHostOp {
  HostOp op;
  std::u16string_view name;
};

constexpr std::array<NamedHostOp, kHostOpCount> kHostOpNames{{
    {HostOp::QueryValue, u"QueryValue"},
    {HostOp::SetSubscript, u"SetSubscript"},
    {HostOp::SetSuperscript, u"SetSuperscript"},
    {HostOp::SetSmall, u"SetSmall"},
    {HostOp::SetStyle, u"SetStyle"},
    {HostOp::ApplyStyle, u"ApplyStyle"},
    {HostOp::ReplaceChar, u"ReplaceChar"},
    {HostOp::TypeBackspace, u"TypeBackspace"},
    {HostOp::TypeParagraph, u"TypeParagraph"},
    {HostOp::TypeText, u"TypeText"},
    {HostOp::MoveCursor, u"MoveCursor"},
    {HostOp::CopyText, u"CopyText"},
    {HostOp::CutText, u"CutText"},
    {HostOp::PasteText, u"PasteText"},
    {HostOp::DeleteText, u"DeleteText"},
    {HostOp::SelectRange, u"SelectRange"},
}};

// Every operation has its name at its own index (a missing row would leave an empty one), so
// HostOpName is a single look-up.
constexpr bool EveryOperationNamedInOrder() {
  for (std::size_t i = 0; i < kHostOpNames.size(); ++i) {
    if (static_cast<std::size_t>(kHostOpNames[i].op) != i || kHostOpNames[i].name.empty()) {
      return false;
    }
  }
  return true;
}
static_assert(EveryOperationNamedInOrder());

}  // namespace

Word FindWord(std::u16string_view line) {
  for (const auto& [text, word] : kWords) {
    if (text == line) return word;
  }
  return Word::None;
}

std::u16string_view WordText(Word word) {
  for (const auto& [text, w] : kWords) {
    if (w == word) return text;
  }
  return {};
}

std::u16string_view HostOpName(HostOp op) {
  return kHostOpNames[static_cast<std::size_t>(op)].name;
}

}  // namespace glyphwright
