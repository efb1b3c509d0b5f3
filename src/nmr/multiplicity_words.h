// The multiplicity vocabulary: how the words chemists type for a multiplicity are written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace glyphwright {

// The written form of a multiplicity typed in lower-case letters, blanks and dots: "brs", "bs"
// and "br. s" are "br s"; "quintet", "quin" and "p" are "quint"; "septet" and "hept" are "sept";
// patterns of s, d, t, q, m and p ("dd", "dtd") stay as typed. Nothing when a word is none of
// these.
std::optional<std::u16string> KnownMultiplicity(std::u16string_view typed);

// Whether the text could be a multiplicity at all: lower-case letters, blanks and dots only.
bool LooksLikeMultiplicity(std::u16string_view typed);

}  // namespace glyphwright
