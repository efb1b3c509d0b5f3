// Writes NMR data in a journal's style, as text with its formatting: the nucleus's mass number
// superscript, the solvent's digits subscript, every J italic; shifts and couplings rounded and
// ordered as asked.
#pragma once

#include "nmr/journal_styles.h"
#include "nmr/nmr_data.h"
#include "nmr/styled_text.h"

namespace glyphwright {

enum class ShiftOrder { Descending, Ascending, AsTyped };

// ShiftDecimals: the usual precision of the nucleus (2 for 1H and 19F, 1 for 13C and others).
inline constexpr int32_t kNucleusDecimals = -2;
// ShiftDecimals and CouplingDecimals: the numbers as they were typed.
inline constexpr int32_t kDecimalsAsTyped = -1;

struct StyleOptions {
  const JournalStyle* style;
  ShiftOrder order = ShiftOrder::Descending;
  int32_t shiftDecimals = kNucleusDecimals;
  int32_t couplingDecimals = 1;
};

StyledText StyleNmrData(const NmrData& data, const StyleOptions& options);

}  // namespace glyphwright
