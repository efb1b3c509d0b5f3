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

constexpr std::array<std::u16string_view, kHostOpCount> kHostOpNames{
    u"QueryValue",    u"SetSubscript", u"SetSuperscript", u"SetSmall",
    u"SetStyle",      u"ApplyStyle",   u"ReplaceChar",    u"TypeBackspace",
    u"TypeParagraph", u"TypeText",     u"MoveCursor",     u"CopyText",
    u"CutText",       u"PasteText",    u"DeleteText",     u"SelectRange",
};

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
  return kHostOpNames[static_cast<std::size_t>(op)];
}

}  // namespace glyphwright
