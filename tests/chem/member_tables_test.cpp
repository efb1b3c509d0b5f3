// The automation surface of the four public chemistry classes: names, kinds, identifiers, types
// and parameters in interface order, and late binding through them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/chem_test_support.h"
#include "chem/ion_formula_query.h"

namespace glyphwright {
namespace {

using testing::U8;

std::string KindText(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::Method:
      return "method";
    case InvokeKind::PropertyGet:
      return "get";
    case InvokeKind::PropertyPut:
      return "put";
    case InvokeKind::PropertyPutRef:
      return "putref";
  }
  return "?";
}

std::string TypeText(ValueType type) {
  switch (type) {
    case ValueType::Void:
      return "void";
    case ValueType::Boolean:
      return "Boolean";
    case ValueType::Long:
      return "Long";
    case ValueType::Double:
      return "Double";
    case ValueType::String:
      return "String";
    case ValueType::Object:
      return "Object";
    case ValueType::Variant:
      return "Variant";
  }
  return "?";
}

// "GetCommands method 0x60030000 String (Text String)", optional parameters with their default.
template <class T>
std::vector<std::string> Describe() {
  std::vector<std::string> rows;
  for (const MemberRow& member : T::Members()) {
    char id[16];
    std::snprintf(id, sizeof id, "0x%08X", static_cast<unsigned>(member.id));
    std::string row = U8(member.name) + " " + KindText(member.kind) + " " + id + " " +
                      TypeText(member.type) + " (";
    for (std::size_t i = 0; i < member.params().size(); ++i) {
      const ParamInfo& param = member.params()[i];
      if (i > 0) row += ", ";
      if (param.optional) row += "optional ";
      if (param.byRef) row += "byref ";
      row += U8(param.name) + " " + TypeText(param.type);
      if (param.optional) row += " = " + std::to_string(param.defaultValue);
    }
    rows.push_back(row + ")");
  }
  return rows;
}

TEST(MemberTables, ChemFormulaQuery) {
  EXPECT_EQ(Describe<ChemFormulaQuery>(), (std::vector<std::string>{
                                              "ItalicCommand get 0x40030003 String ()",
                                              "ItalicCommand put 0x40030003 String (RHS String)",
                                              "GetCommands method 0x60030000 String (Text String)",
                                          }));
}

TEST(MemberTables, IonFormulaQuery) {
  EXPECT_EQ(Describe<IonFormulaQuery>(), (std::vector<std::string>{
                                             "GetCommands method 0x60030000 String (Text String)",
                                         }));
}

TEST(MemberTables, ChemRDigitQuery) {
  EXPECT_EQ(
      Describe<ChemRDigitQuery>(),
      (std::vector<std::string>{
          "FontListener get 0x40030002 Object ()",
          "FontListener putref 0x40030002 Object (RHS Object)",
          "QueryValue method 0x60030000 String (x String)",
          "SetSubscript method 0x60030001 void (Index Long, Length Long, optional v Long = -1)",
          "GetCommands method 0x60030002 String (Text String)",
      }));
}

TEST(MemberTables, ChemNameQuery) {
  EXPECT_EQ(Describe<ChemNameQuery>(), (std::vector<std::string>{
                                           "ItalicCommand get 0x40030004 String ()",
                                           "ItalicCommand put 0x40030004 String (RHS String)",
                                           "SmallCommand get 0x40030005 String ()",
                                           "SmallCommand put 0x40030005 String (RHS String)",
                                           "GetCommands method 0x60030000 String (Text String)",
                                       }));
}

TEST(MemberTables, PropertiesByNameIgnoringCase) {
  auto query = std::make_shared<ChemNameQuery>();
  Variant word(u"Chemical Small");
  Variant* args[] = {&word};
  CallByName(*query, u"smallcommand", InvokeKind::PropertyPut, args);
  EXPECT_EQ(query->SmallCommand(), u"Chemical Small");
  EXPECT_EQ(CallByName(*query, u"SMALLCOMMAND", InvokeKind::PropertyGet, {}),
            Variant(u"Chemical Small"));
  EXPECT_EQ(CallByName(*query, u"ItalicCommand", InvokeKind::PropertyGet, {}), Variant(u"Italic"));
}

TEST(MemberTables, GetCommandsTakesAnythingThatConvertsToText) {
  auto ion = std::make_shared<IonFormulaQuery>();
  Variant number(int32_t{42});
  Variant* args[] = {&number};
  EXPECT_EQ(CallByName(*ion, u"GetCommands", InvokeKind::Method, args), Variant(u""));
  Variant text(u"Fe3+");
  Variant* textArgs[] = {&text};
  EXPECT_EQ(CallByName(*ion, u"GetCommands", InvokeKind::Method, textArgs),
            Variant(u"=2\n=1\nSubscript\n=2\n=2\nSuperscript\n"));
  auto formula = std::make_shared<ChemFormulaQuery>();
  EXPECT_EQ(formula->GetIDsOfNames(u"GetCommands"), 0x60030000);
  EXPECT_EQ(formula->GetIDsOfNames(u"SmallCommand"), kUnknownDispId);
}

}  // namespace
}  // namespace glyphwright
