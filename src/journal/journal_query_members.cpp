// The automation surface of JournalQuery, in interface order.
#include "journal/journal_query.h"

namespace glyphwright {
namespace {

constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};

const MemberInfo<JournalQuery> kMembers[] = {
    {u"GetCommands", InvokeKind::Method, 0x60030000, ValueType::String, kTextParams,
     [](JournalQuery& self, Arguments args) {
       return Variant(self.GetCommands(*args[0]->AsString()));
     }},
};

}  // namespace

std::span<const MemberInfo<JournalQuery>> JournalQuery::Members() {
  return kMembers;
}

}  // namespace glyphwright
