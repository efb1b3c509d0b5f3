#include "component/python_type.h"

namespace glyphwright {

const char* PythonType(ValueType type) {
  switch (type) {
    case ValueType::Void:
      return "None";
    case ValueType::Boolean:
      return "bool";
    case ValueType::Long:
      return "int";
    case ValueType::Double:
      return "float";
    case ValueType::String:
      return "str";
    case ValueType::Object:
      return "object";
    case ValueType::Variant:
      return "Any";
  }
  return "Any";
}

}  // namespace glyphwright
