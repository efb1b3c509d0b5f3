// How each journal writes NMR data: the header, the order and form of a peak's items, and how
// the list ends. docs/nmr.md shows each with its source.
#pragma once

#include <span>
#include <string_view>

namespace glyphwright {

struct JournalStyle {
  std::u16string_view name;
  // '¹H NMR (400 MHz, CDCl₃)' (false) or 'δH (400 MHz; CDCl₃)' (true).
  bool deltaNucleusHeader;
  std::u16string_view headerSeparator;    // between frequency, solvent and the rest
  bool ppmInHeader;                       // '(400 MHz, CDCl₃, ppm)'
  std::u16string_view beforeList;         // ' δ ', ': δ = ', or ' ' behind 'δH (…)'
  bool countFirst;                        // (1H, d, J …) rather than (d, J …, 1H)
  bool spacedCount;                       // '1 H' rather than '1H'
  bool couplingEquals;                    // 'J = 8.0' rather than 'J 8.0'
  bool couplingUnit;                      // ' Hz' behind the last value
  std::u16string_view trailingSeparator;  // before the assignment: ', ' or '; '
  std::u16string_view listEnd;            // '.' or ' ppm.'
};

std::span<const JournalStyle> JournalStyles();

// By name, ignoring letter case; nullptr when there is no such style.
const JournalStyle* FindJournalStyle(std::u16string_view name);

}  // namespace glyphwright
