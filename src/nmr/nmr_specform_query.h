// NMRSpecFormQuery turns a table of NMR peaks (one row per paragraph, columns separated by
// tabs) into a running peak list such as '7.26 (1H, d, J = 8.0 Hz), 1.25 (3H, t, J = 7.1 Hz).'
// with the letter J in italic. The script types the list right behind the selected table and
// then removes the table; the last column of each row is copied, formatting included.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "automation/member_table.h"
#include "nmr/field_order.h"
#include "nmr/field_order_properties.h"

namespace glyphwright {

class ScriptBuffer;

class NMRSpecFormQuery : public TableDispatch<NMRSpecFormQuery>, public FieldOrderProperties {
 public:
  static MemberTable Members();

  // JValueStyle values: where " Hz" follows the coupling constants. Any other value: never.
  static constexpr int32_t kHzAfterEveryValue = 1;
  static constexpr int32_t kHzAfterLastValue = 2;
  static constexpr int32_t kHzNever = 0;

  // kHzAfterEveryValue until a put says otherwise.
  int32_t JValueStyle() const { return jValueStyle_; }
  void SetJValueStyle(int32_t JValueStyle) { jValueStyle_ = JValueStyle; }

  // SpecFormat and TableFormat: see FieldOrderProperties.

  // Raises error 1 "Chemical shift is missing." for a row whose first column is not a shift.
  // A text without any non-blank row has nothing to convert: the empty script.
  std::u16string GetCommands(std::u16string_view Text) const;

 private:
  void WriteRow(ScriptBuffer& script, std::u16string_view row, int64_t offset) const;

  int32_t jValueStyle_ = kHzAfterEveryValue;
};

}  // namespace glyphwright
