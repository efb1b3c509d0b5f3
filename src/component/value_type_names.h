// What each value type is called where the surface is shown: in the IDL of the type library, in
// the Python signatures and in the reference pages. One table, so the three never disagree.
#pragma once

#include <string>

#include "automation/member_row.h"

namespace glyphwright {

struct ValueTypeNames {
  ValueType type;
  const char* idl;     // "BSTR"
  const char* python;  // "str"
  const char* docs;    // "String"; "no result" for Void
};

const ValueTypeNames& NamesOf(ValueType type);

inline const char* IdlType(ValueType type) {
  return NamesOf(type).idl;
}
inline const char* PythonType(ValueType type) {
  return NamesOf(type).python;
}
inline const char* DocsType(ValueType type) {
  return NamesOf(type).docs;
}

// A dispatch identifier as the type library and the documentation write it: "0x60030000".
std::string DispIdText(DispId id);

}  // namespace glyphwright
