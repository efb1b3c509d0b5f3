#include "document/unicode_small_capitals.h"

#include <cstddef>

namespace glyphwright {
namespace {

// Indexed by the letter's place in the alphabet; 0 where Unicode has no small capital (X).
constexpr char16_t kSmallCapitals[26] = {
    u'\u1D00', u'\u0299', u'\u1D04', u'\u1D05', u'\u1D07', u'\uA730', u'\u0262',  // A-G
    u'\u029C', u'\u026A', u'\u1D0A', u'\u1D0B', u'\u029F', u'\u1D0D', u'\u0274',  // H-N
    u'\u1D0F', u'\u1D18', u'\uA7AF', u'\u0280', u'\uA731', u'\u1D1B', u'\u1D1C',  // O-U
    u'\u1D20', u'\u1D21', 0,         u'\u028F', u'\u1D22',                        // V-Z
};

}  // namespace

char16_t ToSmallCapitalForm(char16_t code) {
  // Small capitals show lower-case letters as capitals too: d and D both become ᴅ.
  std::size_t place = 26;
  if (code >= u'A' && code <= u'Z') place = static_cast<std::size_t>(code - u'A');
  if (code >= u'a' && code <= u'z') place = static_cast<std::size_t>(code - u'a');
  if (place == 26 || kSmallCapitals[place] == 0) return code;
  return kSmallCapitals[place];
}

}  // namespace glyphwright
