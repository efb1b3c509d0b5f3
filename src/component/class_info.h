// ClassInfo: everything the outside world knows of one public class — its names, identifiers,
// how to make one, and its member table. The list of them (class_registry.h) is the single
// source for late binding by ProgID, the Python binding, the reference pages and the Windows
// type library.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "automation/dispatch.h"
#include "automation/member_row.h"
#include "component/guid.h"

namespace glyphwright {

struct InterfaceInfo {
  std::u16string_view name;
  Guid iid;
};

// The ProgID of every class is this and the class name.
inline constexpr std::u16string_view kProgIdPrefix = u"Glyphwright.";

struct ClassInfo {
  std::u16string_view name;        // "CommandRunner"
  std::u16string_view shortName;   // a query's name on the command line ("ion"); "" for none
  std::u16string_view helpString;  // one sentence: what the class is for
  Guid clsid;
  Guid interfaceId;  // of the default interface
  // Identifiers of earlier versions of the default interface that the class answers to as well.
  std::span<const InterfaceInfo> aliases;
  DispatchRef (*create)();
  // True when the object is one of this class (not of a class derived from it).
  bool (*isInstance)(const Dispatch& object);
  MemberTable (*members)();

  // "Glyphwright.CommandRunner"
  std::u16string ProgId() const;
  // The default interface: "_CommandRunner"
  std::u16string InterfaceName() const;
};

template <class T>
DispatchRef CreateInstance() {
  return std::make_shared<T>();
}

template <class T>
bool IsInstance(const Dispatch& object) {
  return typeid(object) == typeid(T);
}

// The entry of class T: the names and identifiers given, T's constructor and T's member table.
template <class T>
constexpr ClassInfo ClassOf(std::u16string_view name, std::u16string_view shortName, Guid clsid,
                            Guid interfaceId, std::u16string_view helpString,
                            std::span<const InterfaceInfo> aliases = {}) {
  return {.name = name,
          .shortName = shortName,
          .helpString = helpString,
          .clsid = clsid,
          .interfaceId = interfaceId,
          .aliases = aliases,
          .create = &CreateInstance<T>,
          .isInstance = &IsInstance<T>,
          .members = &T::Members};
}

// True for the standard interfaces, the default interface and its aliases: an object of the
// class is returned for a request of any of them.
bool AnswersTo(const ClassInfo& info, const Guid& iid);

// One member as a client sees it: the accessors a property has, or the method. The rows keep
// the table's order; members are listed in the order of their first row.
struct MemberView {
  std::u16string_view name;
  DispId id = kUnknownDispId;
  ValueType type = ValueType::Void;
  const MemberRow* method = nullptr;
  const MemberRow* get = nullptr;
  const MemberRow* put = nullptr;
  const MemberRow* putRef = nullptr;

  bool IsProperty() const { return method == nullptr; }
};

std::vector<MemberView> GroupMembers(MemberTable rows);

}  // namespace glyphwright
