// The ion notation of mass spectra: '[M + H]+', '[M+Na]+', '[M − H]−', '[2M+K]+', '[M]+•',
// '(M+)', '[M+2H]2+'. A bracket holds an optional multiplier, M, and what was added or taken
// away; the charge follows the bracket, or ends its content when nothing follows.
#pragma once

#include <cstddef>
#include <string_view>

namespace glyphwright {

struct Adduct {
  std::size_t start = 0;        // the opening bracket
  std::size_t end = 0;          // one past the charge (or the closing bracket)
  std::size_t chargeStart = 0;  // the charge text (number, signs, radical dot)
  std::size_t chargeEnd = 0;    // chargeStart when no charge is written
  int charge = 0;               // signed; 0 when no charge is written
  std::u16string_view inner;    // between the brackets
};

// The adduct whose opening bracket stands at pos.
bool ReadAdduct(std::u16string_view text, std::size_t pos, Adduct& adduct);

// True when the adduct's content adds the element written as symbol ('M + Na' adds Na).
bool AdductAdds(const Adduct& adduct, std::u16string_view symbol);

}  // namespace glyphwright
