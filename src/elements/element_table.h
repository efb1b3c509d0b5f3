// The elements with their standard atomic weights and monoisotopic masses, generated at build
// time from data/elements.tsv (its header names the sources): the one list of element symbols
// that formulas are read by, in characterisation data and in running text alike.
#pragma once

#include <span>
#include <string_view>

namespace glyphwright {

struct ElementData {
  std::u16string_view symbol;  // "C"; "D" is deuterium
  int number;                  // atomic number
  double weight;               // IUPAC standard (conventional) atomic weight
  int massNumber;              // of the most abundant (or longest-lived) isotope
  double monoisotopic;         // that isotope's mass, u
};

// The electron's mass in u (CODATA): an ion's m/z differs from its formula's mass by it.
inline constexpr double kElectronMass = 0.000548579909;

// Every element, in the order of the data file.
std::span<const ElementData> Elements();

// The element written as symbol (case-sensitive), or nullptr. A look-up in a table, no search.
const ElementData* FindElement(std::u16string_view symbol);

}  // namespace glyphwright
