#include "web/run_and_write_units.h"

namespace glyphwright::web {

void RunAndWriteUnits::Unit(std::u16string_view word, int64_t first, int64_t second) {
  const std::u16string_view firstDigits = IntegerDigits(first, firstRoom_);
  const std::u16string_view secondDigits = IntegerDigits(second, secondRoom_);
  script_.append(1, u'=').append(firstDigits).append(1, u'\n');
  script_.append(1, u'=').append(secondDigits).append(1, u'\n');
  script_.append(word).append(1, u'\n');
  // The runner's one call per unit: its numbers as the decimal text their value lines hold.
  runner_.RunUnit(firstDigits, secondDigits, word);
}

}  // namespace glyphwright::web
