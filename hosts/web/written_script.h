// A script as the page's job writes it: one byte a UTF-16 unit while every unit of it is ASCII,
// as the page hands a long ASCII text over fastest; widened to UTF-16 once a unit is not.
#pragma once

#include <string>

namespace glyphwright::web {

struct WrittenScript {
  bool isAscii = true;
  std::string ascii;    // the script while isAscii
  std::u16string wide;  // the script once not

  std::u16string Text() const {
    return isAscii ? std::u16string(ascii.begin(), ascii.end()) : wide;
  }
};

}  // namespace glyphwright::web
