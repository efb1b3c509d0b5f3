#include "lib_functions.h"

#include <pybind11/stl.h>

#include "python_text.h"
#include "text/lib.h"

namespace glyphwright::python {
namespace {

namespace py = pybind11;

// Codes are code units 0 to 65535; the signed 16-bit form of the scripts (-1 for U+FFFF) is
// taken too.
char16_t Code(int value) {
  if (value < -32768 || value > 65535) throw py::value_error("a character code is 16 bits");
  return static_cast<char16_t>(value & 0xFFFF);
}

// The UTF-16 offset of each code point index, up to and including the end of the text.
std::size_t Utf16Offset(const py::str& text, Py_ssize_t index) {
  const Py_ssize_t length = PyUnicode_GET_LENGTH(text.ptr());
  if (index < 0 || index > length) throw py::index_error("index out of range");
  std::size_t offset = 0;
  for (Py_ssize_t i = 0; i < index; ++i) {
    offset += PyUnicode_READ_CHAR(text.ptr(), i) > 0xFFFF ? 2 : 1;
  }
  return offset;
}

}  // namespace

void DefineLib(py::module_& lib) {
  lib.doc() =
      "The library's text functions (module Lib). Texts are str; positions are UTF-16 "
      "code units.";
  lib.def(
      "ToHalfWidth", [](py::str Text_) { return Str(ToHalfWidth(Text(Text_))); }, py::arg("Text"),
      "Folds full-width and small-form characters to ASCII, one code unit for one.");
  lib.def(
      "ToHalfWidthChar", [](int Code_) { return static_cast<int>(ToHalfWidthChar(Code(Code_))); },
      py::arg("Code"), "The half-width form of one code unit (0 to 65535).");
  lib.def(
      "TrimText", [](py::str Text_) { return Str(TrimText(Text(Text_))); }, py::arg("Text"),
      "Text without leading and trailing blanks.");
  lib.def(
      "SplitText",
      [](py::str Text_, py::str Separator) {
        py::list parts;
        for (const std::u16string& part : SplitText(Text(Text_), Text(Separator))) {
          parts.append(Str(part));
        }
        return parts;
      },
      py::arg("Text"), py::arg("Separator"),
      "The pieces between exact occurrences of Separator; never empty.");
  lib.def(
      "ReplaceText",
      [](py::str Text_, py::str Find, py::str Replacement) {
        return Str(ReplaceText(Text(Text_), Text(Find), Text(Replacement)));
      },
      py::arg("Text"), py::arg("Find"), py::arg("Replacement"),
      "Every occurrence of Find replaced, compared ignoring letter case.");
  lib.def(
      "CutAtNul", [](py::str S) { return Str(CutAtNul(Text(S))); }, py::arg("S"),
      "The part of S before its first NUL.");
  lib.def(
      "StringToChars",
      [](py::str Text_) {
        CodeArray chars;
        StringToChars(Text(Text_), chars);
        std::vector<int> codes(chars.begin(), chars.end());
        codes.push_back(0);  // the terminating entry every code array has
        return codes;
      },
      py::arg("Text"), "The code array of Text: its code units and a terminating 0.");
  lib.def(
      "CharsToString",
      [](const std::vector<int>& Chars, int32_t Start, int32_t Count) {
        CodeArray chars;
        for (int code : Chars) chars.push_back(Code(code));
        // The terminating 0 of the array is not part of the text.
        if (!chars.empty() && chars.back() == 0) chars.pop_back();
        if (Count <= 0) return Str(u"");
        if (Start < 0 ||
            static_cast<std::size_t>(Start) + static_cast<std::size_t>(Count) > chars.size()) {
          throw py::index_error("Start and Count lie outside the code array");
        }
        return Str(CharsToString(chars, Start, Count));
      },
      py::arg("Chars"), py::arg("Start"), py::arg("Count"),
      "The Count code units from index Start of a code array.");
}

void DefinePositionHelpers(py::module_& module) {
  module.def(
      "utf16_length",
      [](py::str text) { return Utf16Offset(text, PyUnicode_GET_LENGTH(text.ptr())); },
      py::arg("text"), "The length of text in UTF-16 code units, the unit of every position.");
  module.def(
      "to_utf16_offset", [](py::str text, Py_ssize_t index) { return Utf16Offset(text, index); },
      py::arg("text"), py::arg("index"),
      "The UTF-16 position of the character at Python index `index` of text.");
  module.def(
      "from_utf16_offset",
      [](py::str text, std::size_t offset) {
        const Py_ssize_t length = PyUnicode_GET_LENGTH(text.ptr());
        std::size_t at = 0;
        for (Py_ssize_t i = 0; i < length; ++i) {
          if (at == offset) return i;
          at += PyUnicode_READ_CHAR(text.ptr(), i) > 0xFFFF ? 2 : 1;
          if (at > offset) throw py::value_error("offset falls inside a surrogate pair");
        }
        if (at == offset) return length;
        throw py::index_error("offset out of range");
      },
      py::arg("text"), py::arg("offset"),
      "The Python index of the character at UTF-16 position `offset` of text.");
}

}  // namespace glyphwright::python
