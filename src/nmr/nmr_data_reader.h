// Reads NMR data written as running text in any common journal style, such as
//   '1H NMR (400 MHz, CDCl3) δ 7.26 (d, J = 8.0 Hz, 1H, H-3), 1.25 (s, 3H).'
//   'δH (400 MHz; CDCl3) 7.26 (1 H, d, J 8.0, H-3), 1.25 (3 H, s).'
//   '13C NMR (101 MHz, CDCl3): δ = 170.1, 128.3 (2C), 77.2 ppm.'
// Each item of a peak is known by its form, whatever its place: a count is '3H', '3 H' or '2C';
// a multiplicity a word of the vocabulary; coupling constants start with J ('J = 8.0, 2.0 Hz',
// 'J 8.0', 'J1 = 8.0, J2 = 2.0 Hz', '3JHH = 7.1 Hz'). The first item that is none of these
// begins the trailing item, which runs to the closing parenthesis.
#pragma once

#include <string_view>

#include "nmr/nmr_data.h"

namespace glyphwright {

// The data of the first peak list in Text, with offsets of Text. A list it cannot read raises
// error 1, naming the problem and its offset: "Missing comma at offset 21."
NmrData ReadNmrData(std::u16string_view Text);

}  // namespace glyphwright
