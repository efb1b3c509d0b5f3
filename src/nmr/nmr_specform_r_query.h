// NMRSpecFormRQuery rebuilds an NMR peak list written as running text as a table: one new
// paragraph per peak, cells separated by tabs, the middle columns in the order of TableFormat,
// and a last column that holds each peak's leftover text, copied with its formatting. The old
// list is removed and the rows get the style "NMR Spec Table". A text the parser rejects gives
// the empty script: this query never raises from GetCommands.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "automation/member_table.h"
#include "nmr/field_order.h"
#include "nmr/field_order_properties.h"
#include "nmr/peak_list_parser.h"

namespace glyphwright {

class NMRSpecFormRQuery : public TableDispatch<NMRSpecFormRQuery>, public FieldOrderProperties {
 public:
  static MemberTable Members();

  // True requires a shift and a count in every peak, and a multiplicity wherever there are
  // coupling constants. False by default.
  bool Strict() const { return strict_; }
  void SetStrict(bool Strict) { strict_ = Strict; }

  // SpecFormat and TableFormat: see FieldOrderProperties.

  std::u16string GetCommands(std::u16string_view Text) const;

 private:
  std::u16string TableScript(const PeakList& list) const;

  bool strict_ = false;
};

}  // namespace glyphwright
