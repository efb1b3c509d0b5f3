// A part of a result as bytes, for the parts that are all ASCII (a script, a formula's HTML):
// the browser turns bytes into a string several times faster than UTF-16 code units.
#pragma once

#include <string>
#include <string_view>

namespace glyphwright::web {

// The text's code units as bytes when every one is ASCII; false otherwise, out then
// empty.
bool AsciiBytes(std::u16string_view text, std::string& out);

}  // namespace glyphwright::web
