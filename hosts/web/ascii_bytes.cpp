#include "web/ascii_bytes.h"

namespace glyphwright::web {

bool AsciiBytes(std::u16string_view text, std::string& out) {
  out.resize(text.size());
  // One pass with no test a unit, looked at once at the end: a compiler can widen it.
  char* narrow = out.data();
  char16_t wide = 0;
  for (const char16_t unit : text) {
    wide |= unit;
    *narrow++ = static_cast<char>(unit);
  }
  if (wide < 0x80) return true;
  std::string().swap(out);
  return false;
}

}  // namespace glyphwright::web
