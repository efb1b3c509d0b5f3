// NMRStyleQuery rewrites a selected NMR peak list, with its header, in the style of a journal:
// '1H NMR (400 MHz, CDCl3) δ 7.26 (1H, d, J = 8 Hz)' becomes, in the RSC style,
// 'δH (400 MHz; CDCl₃) 7.26 (1 H, d, J 8.0).' The list may be written in any common style; the
// script types the new text behind the old one, copies each trailing item with its formatting,
// formats the new text, removes the old and selects the new.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "automation/member_table.h"
#include "nmr/journal_styles.h"
#include "nmr/nmr_style_writer.h"

namespace glyphwright {

class NMRStyleQuery : public TableDispatch<NMRStyleQuery> {
 public:
  static MemberTable Members();

  // "ACS" (the default), "RSC", "JMedChem", "Wiley", "Elsevier" or "Chemotion", in any letter
  // case; reads back as written here. Any other name raises error 1.
  std::u16string Style() const { return std::u16string(style_->name); }
  void SetStyle(std::u16string_view Style);

  // "Descending" (high to low, the default), "Ascending" or "AsTyped".
  std::u16string Sort() const;
  void SetSort(std::u16string_view Sort);

  // Digits behind the point: 0 to 6; -1 keeps what was typed; -2 (the default) the nucleus's
  // usual precision, 2 for 1H and 19F, 1 for 13C and other nuclei.
  int32_t ShiftDecimals() const { return shiftDecimals_; }
  void SetShiftDecimals(int32_t ShiftDecimals);
  // 0 to 6, or -1 as typed; 1 by default.
  int32_t CouplingDecimals() const { return couplingDecimals_; }
  void SetCouplingDecimals(int32_t CouplingDecimals);

  // Raises error 1 naming the problem and its offset for a list it cannot read.
  std::u16string GetCommands(std::u16string_view Text) const;

  // Why NMRSpecFormRQuery, set to this SpecFormat and Strict, answers Text with the empty script:
  // 'Missing comma. (at offset 23: «…7.26 (1H, s); 1.25 (3H, s).»)', or "" when the list reads.
  // A member, so that hosts which reach the library only through objects can ask it.
  std::u16string ExplainPeakList(std::u16string_view Text, std::u16string_view SpecFormat,
                                 bool Strict) const;

 private:
  const JournalStyle* style_ = &JournalStyles()[0];
  ShiftOrder order_ = ShiftOrder::Descending;
  int32_t shiftDecimals_ = kNucleusDecimals;
  int32_t couplingDecimals_ = 1;
};

}  // namespace glyphwright
