// ParseFieldOrder and FieldOrderToText, and the SpecFormat property of both NMR queries.
// Invariants: position 0 holds the shift and position 4 the trailing item; positions 1 to 3
// hold middle fields; when each middle field is named once the two arrays are inverse
// permutations, otherwise every field's position points back at it; the text of an order
// parses to the same order; both queries read back what the text of the order says.
#include "fuzz_support.h"
#include "nmr/field_order.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string fmt = FuzzInput(data, size).RestText();
  const FieldOrder order = ParseFieldOrder(fmt);
  const FieldArray& fieldAt = order.FieldAtPosition;
  const FieldArray& positionOf = order.PositionOfField;
  Check(fieldAt[0] == 0 && fieldAt[4] == 4 && positionOf[0] == 0 && positionOf[4] == 4,
        "shift first, trailing item last", U8(fmt));
  bool seen[5] = {};
  for (int p = 1; p <= 3; ++p) {
    Check(fieldAt[p] >= 1 && fieldAt[p] <= 3, "a middle position holds a middle field", U8(fmt));
    seen[fieldAt[p]] = true;
  }
  for (int f = 1; f <= 3; ++f) {
    if (seen[f]) {
      Check(positionOf[f] >= 1 && positionOf[f] <= 3 && fieldAt[positionOf[f]] == f,
            "a named field's position holds it", U8(fmt));
    } else {
      Check(positionOf[f] == -1, "a field left out has no position", U8(fmt));
    }
  }
  const std::u16string text = FieldOrderToText(fieldAt);
  const FieldOrder again = ParseFieldOrder(text);
  Check(again.FieldAtPosition == fieldAt && again.PositionOfField == positionOf,
        "the text of an order is that order", U8(fmt) + " -> " + U8(text));

  NMRSpecFormQuery toList;
  toList.SetSpecFormat(fmt);
  toList.SetTableFormat(u"J, d, 1H");
  NMRSpecFormRQuery toTable;
  toTable.SetSpecFormat(fmt);
  Check(toList.SpecFormat() == text && toTable.SpecFormat() == text,
        "SpecFormat reads the text of its order", U8(text));
  return 0;
}
