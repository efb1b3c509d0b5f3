// The automation surface of ChemFormulaQuery, in interface order.
#include "chem/chem_formula_query.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};
constexpr ParamInfo kStringValue[] = {{u"RHS", ValueType::String}};

const MemberInfo<ChemFormulaQuery> kMembers[] = {
    {u"ItalicCommand",
     InvokeKind::PropertyGet,
     0x40030003,
     ValueType::String,
     {},
     [](ChemFormulaQuery& self, Arguments) { return Variant(self.ItalicCommand()); }},
    {u"ItalicCommand", InvokeKind::PropertyPut, 0x40030003, ValueType::String, kStringValue,
     [](ChemFormulaQuery& self, Arguments args) {
       self.SetItalicCommand(*args[0]->AsString());
       return Variant();
     }},
    {u"GetCommands", InvokeKind::Method, 0x60030000, ValueType::String, kTextParams,
     [](ChemFormulaQuery& self, Arguments args) {
       return Variant(self.GetCommands(*args[0]->AsString()));
     }},
};

}  // namespace

std::span<const MemberInfo<ChemFormulaQuery>> ChemFormulaQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
