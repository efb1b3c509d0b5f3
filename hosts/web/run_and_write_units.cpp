#include "web/run_and_write_units.h"

namespace glyphwright::web {

void RunAndWriteUnits::Unit(std::u16string_view word, int64_t first, int64_t second) {
  const std::u16string_view firstDigits = IntegerDigits(first, firstRoom_);
  const std::u16string_view secondDigits = IntegerDigits(second, secondRoom_);
  script_.append(1, u'=').append(firstDigits).append(1, u'\n');
  script_.append(1, u'=').append(secondDigits).append(1, u'\n');
  script_.append(word).append(1, u'\n');
  // The runner takes the integers as they are: the same as their value lines, without reading
  // them back.
  runner_.RunUnit(first, second, word);
}

}  // namespace glyphwright::web
