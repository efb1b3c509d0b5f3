// The names of the value types where the surface is shown, and the dispatch-id form.
#include <gtest/gtest.h>

#include <string>

#include "component/value_type_names.h"

namespace glyphwright {
namespace {

struct NamesCase {
  ValueType type;
  std::string idl;
  std::string python;
  std::string docs;
};

TEST(ValueTypeNames, EveryTypeHasItsThreeNames) {
  const NamesCase cases[] = {
      {ValueType::Void, "void", "None", "no result"},
      {ValueType::Boolean, "VARIANT_BOOL", "bool", "Boolean"},
      {ValueType::Long, "long", "int", "Long"},
      {ValueType::Double, "double", "float", "Double"},
      {ValueType::String, "BSTR", "str", "String"},
      {ValueType::Object, "IDispatch*", "object", "Object"},
      {ValueType::Variant, "VARIANT", "Any", "Variant"},
  };
  for (const NamesCase& want : cases) {
    SCOPED_TRACE(want.docs);
    EXPECT_EQ(NamesOf(want.type).type, want.type);
    EXPECT_EQ(IdlType(want.type), want.idl);
    EXPECT_EQ(PythonType(want.type), want.python);
    EXPECT_EQ(DocsType(want.type), want.docs);
  }
}

TEST(ValueTypeNames, DispatchIdsAreEightUpperCaseHexDigits) {
  EXPECT_EQ(DispIdText(0x60030000), "0x60030000");
  EXPECT_EQ(DispIdText(0x4003000A), "0x4003000A");
  EXPECT_EQ(DispIdText(17), "0x00000011");
  EXPECT_EQ(DispIdText(-1), "0xFFFFFFFF");
}

}  // namespace
}  // namespace glyphwright
