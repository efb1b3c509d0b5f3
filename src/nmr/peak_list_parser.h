// The reader of an NMR peak list written as running text, such as
//   '1H NMR (CDCl3) δ 7.26 (1H, d, J = 8.0 Hz, H-3), 1.25 (3H, s).'
// It is tolerant inside a peak's parenthesis (an item without its expected form is simply not
// found, and whatever is left before ")" becomes the trailing item) and intolerant between
// peaks: anything unexpected there rejects the whole list.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nmr/field_order.h"

namespace glyphwright {

// A cell of a peak: present once the parser has tried its field, found or not; a field tried
// and not found is present with empty text.
struct PeakCell {
  bool present = false;
  std::u16string text;

  friend bool operator==(const PeakCell&, const PeakCell&) = default;
};

// A stretch of the text: the trailing item, copied into the table rather than retyped.
struct TextSpan {
  int32_t start = 0;
  int32_t length = 0;

  friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

struct PeakCells {
  // Written out, so that a peak made in its place in the list is not first cleared byte by byte
  // (as an implicit constructor would have it) before its members are made.
  PeakCells() {}

  // Indexed by FieldShift, FieldCount, FieldMultiplicity, FieldCoupling.
  std::array<PeakCell, 4> cells;
  std::optional<TextSpan> trailing;

  friend bool operator==(const PeakCells&, const PeakCells&) = default;
};

struct PeakList {
  // The first character of the first peak, and the first character after the terminator and
  // the blanks behind it (or the length of the text when the list runs to its end).
  int32_t ListStart = 0;
  int32_t ListEnd = 0;
  // Empty when the text ends where the list would begin: there is no list.
  std::vector<PeakCells> peaks;
};

// Either the list or the message of the failure that rejected it, with the offset where
// reading stopped: the scanner's place, the end of the text for a list cut short, or the start of
// the peak that a Strict check rejects.
struct PeakListReading {
  std::optional<PeakList> list;
  std::u16string failure;
  int32_t failureOffset = -1;
};

// Reads the peak list of Text (folded to half width first; offsets are those of Text). The
// three middle items of a peak are tried in the order of specOrder; strict requires a shift and
// a count in every peak, and a multiplicity wherever there are coupling constants.
PeakListReading ParsePeakList(std::u16string_view Text, const FieldOrder& specOrder, bool strict);

// The failure messages.
namespace peak_failures {
inline constexpr std::u16string_view kUnexpectedEnd = u"Unexpected end of line.";
inline constexpr std::u16string_view kMissingCloseParenthesis = u"Missing close parenthesis.";
inline constexpr std::u16string_view kMissingChemicalShift = u"Missing chemical shift.";
inline constexpr std::u16string_view kMissingCouplingPattern = u"Missing coupling pattern.";
inline constexpr std::u16string_view kMissingNumberAndAtom = u"Missing number and atom.";
inline constexpr std::u16string_view kMissingComma = u"Missing comma.";
}  // namespace peak_failures

}  // namespace glyphwright
