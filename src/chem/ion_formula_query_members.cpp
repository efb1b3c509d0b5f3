// The automation surface of IonFormulaQuery, in interface order.
#include "chem/ion_formula_query.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};

const MemberInfo<IonFormulaQuery> kMembers[] = {
    {u"GetCommands", InvokeKind::Method, 0x60030000, ValueType::String, kTextParams,
     [](IonFormulaQuery& self, Arguments args) {
       return Variant(self.GetCommands(*args[0]->AsString()));
     }},
};

}  // namespace

std::span<const MemberInfo<IonFormulaQuery>> IonFormulaQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
