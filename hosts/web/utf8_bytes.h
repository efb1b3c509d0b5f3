// A part of a result as UTF-8 bytes, which the browser turns into a string several times faster
// than UTF-16 code units (an ASCII part, a script or a formula's HTML, fastest of all). UTF-8
// cannot carry a lone surrogate: a part that has one is read as code units instead.
#pragma once

#include <string>
#include <string_view>

namespace glyphwright::web {

// The text's code units as UTF-8 when every surrogate in it is one of a pair; false otherwise,
// out then empty. With mostlyAscii, false too (and at once) when the bytes grow a quarter longer
// than the units they stand for: a text mostly beyond ASCII is read quicker as code units.
bool Utf8Bytes(std::u16string_view text, std::string& out, bool mostlyAscii = false);

}  // namespace glyphwright::web
