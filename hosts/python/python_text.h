// Python text and the library's UTF-16 text. A Python str indexes code points; the library
// counts UTF-16 code units, so a character outside the Basic Multilingual Plane is one Python
// index but two library positions. Lone surrogates pass both ways unchanged, so every position
// a script names exists in the text it came from.
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <string_view>

namespace glyphwright::python {

// The UTF-16 form of a str; a TypeError is set and false returned for anything else.
bool StrToUtf16(PyObject* str, std::u16string& out);

// A new str, or nullptr with a Python error set.
PyObject* Utf16ToStr(std::u16string_view text);

// The same two as pybind11 callers want them: a failed conversion throws the Python error.
std::u16string Text(pybind11::handle value);
pybind11::str Str(std::u16string_view text);

}  // namespace glyphwright::python
