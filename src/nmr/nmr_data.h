// NMR data read from running text in any common journal style: the header (nucleus, frequency,
// solvent) and the peaks with their items identified by what they look like.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "nmr/peak_list_parser.h"

namespace glyphwright {

struct Nucleus {
  std::u16string massNumber;  // "1", "13"; empty when unknown
  std::u16string element;     // "H", "C"; empty when unknown
  friend bool operator==(const Nucleus&, const Nucleus&) = default;
};

struct NmrHeader {
  Nucleus nucleus;
  std::optional<Nucleus> decoupled;    // "13C{1H} NMR"
  std::u16string frequency;            // "400" of "400 MHz"; empty when not given
  std::u16string solvent;              // "CDCl3", "DMSO-d6"; empty when not given
  std::vector<std::u16string> extras;  // anything else in the parenthesis: "25 °C"
};

struct NmrPeak {
  // A single shift, or a range from `shift` to `rangeEnd`, as typed ("-" for a minus sign).
  std::u16string shift;
  std::u16string rangeEnd;
  std::u16string multiplicity;            // written form: a word of the vocabulary, or as typed
  std::vector<std::u16string> couplings;  // the values, as typed
  std::u16string countNumber;             // "3" of "3H"; empty when there is no count
  std::u16string countElement;            // "H" of "3H"
  std::optional<TextSpan> trailing;       // copied, with its formatting, from the text
};

struct NmrData {
  // What the rewritten text replaces: from the header (or the list, when there is no header
  // that can be read) to behind the list's full stop.
  int32_t replaceStart = 0;
  int32_t replaceEnd = 0;
  std::optional<NmrHeader> header;
  std::vector<NmrPeak> peaks;
};

// The nucleus the list is about: the header's, or guessed from the counts ("3H" is a proton
// list, "2C" a carbon one), or 1H.
Nucleus ListNucleus(const NmrData& data);

}  // namespace glyphwright
