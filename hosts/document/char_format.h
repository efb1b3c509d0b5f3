// The character formatting the reference document keeps for every character.
#pragma once

#include <string>

namespace glyphwright {

struct CharFormat {
  bool subscript = false;
  bool superscript = false;
  bool smallCaps = false;
  bool italic = false;
  bool bold = false;
  // A named character style ("Chemical Italic"), empty for none.
  std::u16string style;

  friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

// The character styles a word processor renders like direct formatting.
inline constexpr std::u16string_view kChemicalItalic = u"Chemical Italic";
inline constexpr std::u16string_view kChemicalSmall = u"Chemical Small";

// What a reader sees: a named style that looks italic or small counts as such.
inline bool LooksItalic(const CharFormat& format) {
  return format.italic || format.style == kChemicalItalic;
}
inline bool LooksSmallCaps(const CharFormat& format) {
  return format.smallCaps || format.style == kChemicalSmall;
}

}  // namespace glyphwright
