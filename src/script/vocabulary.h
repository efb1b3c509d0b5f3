// The command words a script may hold, and the host operations they call by name.
#pragma once

#include <cstdint>
#include <string_view>

namespace glyphwright {

enum class Word : uint8_t {
  None,  // an empty line or any line that is not a word: does nothing
  Pop,
  Plus,
  Minus,
  Inv,
  NormalScript,
  Subscript,
  Superscript,
  Small,
  Italic,
  Bold,
  ChemicalItalic,
  ChemicalSmall,
  ApplyStyle,
  ReplaceChar,
  TypeBackspace,
  TypeParagraph,
  TypeText,
  TypeStyledText,
  GoTo,
  Copy,
  Cut,
  Paste,
  Delete,
  Select,
};

// Exact, case-sensitive match of the whole line: "subscript" and "Subscript " are no words.
Word FindWord(std::u16string_view line);

// Whether the word's first step pops two numbers into the registers (Subscript, Copy, Plus...).
bool TakesTwoNumbers(Word word);

// The word as it is written in a script ("Chemical Italic" for Word::ChemicalItalic).
std::u16string_view WordText(Word word);

// The operations of the host's Executer, called by these names.
enum class HostOp : uint8_t {
  QueryValue,
  SetSubscript,
  SetSuperscript,
  SetSmall,
  SetStyle,
  ApplyStyle,
  ReplaceChar,
  TypeBackspace,
  TypeParagraph,
  TypeText,
  MoveCursor,
  CopyText,
  CutText,
  PasteText,
  DeleteText,
  SelectRange,  // the last: kHostOpCount counts up to it
};
constexpr std::size_t kHostOpCount = static_cast<std::size_t>(HostOp::SelectRange) + 1;

std::u16string_view HostOpName(HostOp op);

}  // namespace glyphwright
