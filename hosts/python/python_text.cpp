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

namespace {

bool IsSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDFFF;
}

// The units ORed together: below 0x80 only when every unit is ASCII, below 0x100 only when every
// unit is Latin-1. One branch-free pass, which the compiler vectorises; a script is megabytes of
// ASCII, and Python's own UCS-2 constructor would scan it once more to find that out.
char16_t UnitsOred(std::u16string_view text) {
  char16_t all = 0;
  for (const char16_t unit : text) all |= unit;
  return all;
}

template <class Narrow>
PyObject* NarrowStr(std::u16string_view text, Py_UCS4 maxChar) {
  PyObject* str = PyUnicode_New(static_cast<Py_ssize_t>(text.size()), maxChar);
  if (str == nullptr) return nullptr;
  auto* out = static_cast<Narrow*>(PyUnicode_DATA(str));
  for (std::size_t i = 0; i < text.size(); ++i) out[i] = static_cast<Narrow>(text[i]);
  return str;
}

}  // namespace

PyObject* Utf16ToStr(std::u16string_view text) {
  const char16_t all = UnitsOred(text);
  if (all < 0x80) return NarrowStr<Py_UCS1>(text, 0x7F);
  if (all < 0x100) return NarrowStr<Py_UCS1>(text, 0xFF);
  if (all < 0xD800 || std::none_of(text.begin(), text.end(), IsSurrogate)) {
    // Some unit is above 0xFF, so two bytes a character is the string's own form.
    return NarrowStr<Py_UCS2>(text, 0xFFFF);
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
