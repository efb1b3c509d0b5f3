// The automation surface of CommandRunner, in interface order.
#include "script/command_runner.h"

namespace glyphwright {

MemberTable CommandRunner::Members() {
  static constexpr auto kMembers =
      Rows(Property<&Self::Executer, &Self::SetExecuter>(u"Executer", 0x40030000),
           Property<&Self::IgnoreError, &Self::SetIgnoreError>(u"IgnoreError", 0x40030001),
           Method<&Self::Run>(u"Run", 0x60030004, {u"Commands"}));
  return kMembers;
}

}  // namespace glyphwright
