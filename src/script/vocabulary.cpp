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

// The words of each length, so that a line is compared only with the few words as long as it.
constexpr std::size_t kLongestWord = 15;
constexpr std::size_t kMostOfOneLength = 4;
struct WordsOfLength {
  std::array<uint8_t, kMostOfOneLength> index{};  // into kWords
  std::size_t count = 0;
};

constexpr std::array<WordsOfLength, kLongestWord + 1> GroupByLength() {
  std::array<WordsOfLength, kLongestWord + 1> groups{};
  for (std::size_t i = 0; i < kWords.size(); ++i) {
    WordsOfLength& group = groups[kWords[i].first.size()];
    group.index[group.count++] = static_cast<uint8_t>(i);
  }
  return groups;
}

// Fails to compile if a word outgrows the groups: a longer word, or a fifth of one length.
constexpr std::array<WordsOfLength, kLongestWord + 1> kWordsByLength = GroupByLength();

}  // namespace

Word FindWord(std::u16string_view line) {
  if (line.size() > kLongestWord) return Word::None;
  const WordsOfLength& group = kWordsByLength[line.size()];
  for (std::size_t i = 0; i < group.count; ++i) {
    const auto& [text, word] = kWords[group.index[i]];
    if (text == line) return word;
  }
  return Word::None;
}

bool TakesTwoNumbers(Word word) {
  switch (word) {
    case Word::Plus:
    case Word::Minus:
    case Word::NormalScript:
    case Word::Subscript:
    case Word::Superscript:
    case Word::Small:
    case Word::Italic:
    case Word::Bold:
    case Word::ChemicalItalic:
    case Word::ChemicalSmall:
    case Word::Copy:
    case Word::Cut:
    case Word::Delete:
    case Word::Select:
      return true;
    default:
      return false;
  }
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
