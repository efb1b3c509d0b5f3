#include "automation/member_table.h"

namespace glyphwright {

Variant CoerceArgument(const Variant& value, ValueType type) {
  switch (type) {
    case ValueType::Boolean:
      return Variant(value.ToBoolean());
    case ValueType::Long:
      return Variant(value.ToLong());
    case ValueType::Double:
      return Variant(value.ToDouble());
    case ValueType::String:
      return Variant(value.ToText());
    case ValueType::Object:
      return Variant(value.ToObject());
    case ValueType::Void:
    case ValueType::Variant:
      break;
  }
  return value;
}

}  // namespace glyphwright
