#include "component/class_info.h"

namespace glyphwright {

std::u16string ClassInfo::ProgId() const {
  std::u16string progId(kProgIdPrefix);
  progId.append(name);
  return progId;
}

std::u16string ClassInfo::InterfaceName() const {
  std::u16string interfaceName(1, u'_');
  interfaceName.append(name);
  return interfaceName;
}

bool AnswersTo(const ClassInfo& info, const Guid& iid) {
  if (iid == kIidUnknown || iid == kIidDispatch || iid == info.interfaceId) return true;
  for (const InterfaceInfo& alias : info.aliases) {
    if (iid == alias.iid) return true;
  }
  return false;
}

std::vector<MemberView> GroupMembers(MemberTable rows) {
  std::vector<MemberView> members;
  for (const MemberRow& row : rows) {
    MemberView* member = nullptr;
    for (MemberView& known : members) {
      if (known.name == row.name) member = &known;
    }
    if (member == nullptr) {
      member = &members.emplace_back();
      member->name = row.name;
      member->id = row.id;
      member->type = row.type;
    }
    switch (row.kind) {
      case InvokeKind::Method:
        member->method = &row;
        break;
      case InvokeKind::PropertyGet:
        member->get = &row;
        break;
      case InvokeKind::PropertyPut:
        member->put = &row;
        break;
      case InvokeKind::PropertyPutRef:
        member->putRef = &row;
        break;
    }
  }
  return members;
}

}  // namespace glyphwright
