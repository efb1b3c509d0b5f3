#include "python_text.h"

#include <algorithm>
#include <bit>

namespace glyphwright::python {

bool StrToUtf16(PyObject* str, std::u16string& out) {
  if (!PyUnicode_Check(str)) {
    PyErr_Format(PyExc_TypeError, "expected str, got %.200s", Py_TYPE(str)->tp_name);
    return false;
  }
#if PY_VERSION_HEX < 0x030C0000
  if (PyUnicode_READY(str) < 0) return false;
#endif
  const Py_ssize_t length = PyUnicode_GET_LENGTH(str);
  const void* data = PyUnicode_DATA(str);
  out.clear();
  switch (PyUnicode_KIND(str)) {
    case PyUnicode_1BYTE_KIND: {
      const auto* units = static_cast<const Py_UCS1*>(data);
      out.assign(units, units + length);
      return true;
    }
    case PyUnicode_2BYTE_KIND: {
      const auto* units = static_cast<const Py_UCS2*>(data);
      out.assign(units, units + length);
      return true;
    }
    default: {
      const auto* points = static_cast<const Py_UCS4*>(data);
      out.reserve(static_cast<std::size_t>(length) + 8);
      for (Py_ssize_t i = 0; i < length; ++i) {
        const Py_UCS4 point = points[i];
        if (point < 0x10000) {
          out.push_back(static_cast<char16_t>(point));
        } else {
          out.push_back(static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10)));
          out.push_back(static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF)));
        }
      }
      return true;
    }
  }
}

PyObject* Utf16ToStr(std::u16string_view text) {
  const bool hasSurrogate =
      std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0xD800 && c <= 0xDFFF; });
  if (!hasSurrogate) {
    return PyUnicode_FromKindAndData(PyUnicode_2BYTE_KIND, text.data(),
                                     static_cast<Py_ssize_t>(text.size()));
  }
  // Pairs become one character; a lone surrogate stays a code point of its own.
  int byteOrder = std::endian::native == std::endian::little ? -1 : 1;
  return PyUnicode_DecodeUTF16(reinterpret_cast<const char*>(text.data()),
                               static_cast<Py_ssize_t>(text.size() * sizeof(char16_t)),
                               "surrogatepass", &byteOrder);
}

std::u16string Text(pybind11::handle value) {
  std::u16string text;
  if (!StrToUtf16(value.ptr(), text)) throw pybind11::error_already_set();
  return text;
}

pybind11::str Str(std::u16string_view text) {
  PyObject* str = Utf16ToStr(text);
  if (str == nullptr) throw pybind11::error_already_set();
  return pybind11::reinterpret_steal<pybind11::str>(str);
}

}  // namespace glyphwright::python
