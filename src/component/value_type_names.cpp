#include "component/value_type_names.h"

#include <array>
#include <cstdio>

namespace glyphwright {
namespace {

// In the order of ValueType.
constexpr std::array<ValueTypeNames, 7> kNames = {{
    {ValueType::Void, "void", "None", "no result"},
    {ValueType::Boolean, "VARIANT_BOOL", "bool", "Boolean"},
    {ValueType::Long, "long", "int", "Long"},
    {ValueType::Double, "double", "float", "Double"},
    {ValueType::String, "BSTR", "str", "String"},
    {ValueType::Object, "IDispatch*", "object", "Object"},
    {ValueType::Variant, "VARIANT", "Any", "Variant"},
}};

constexpr bool InTypeOrder() {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (static_cast<std::size_t>(kNames[i].type) != i) return false;
  }
  return true;
}
static_assert(InTypeOrder(), "one row per value type, in the order of ValueType");

}  // namespace

const ValueTypeNames& NamesOf(ValueType type) {
  const auto index = static_cast<std::size_t>(type);
  return index < kNames.size() ? kNames[index]
                               : kNames[static_cast<std::size_t>(ValueType::Variant)];
}

std::string DispIdText(DispId id) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<uint32_t>(id));
  return buffer;
}

}  // namespace glyphwright
