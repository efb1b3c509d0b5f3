// Member tables: one table per public class lists its members in interface order, with their
// kind, dispatch identifier, types and parameters. The table drives late binding (TableDispatch
// below), the Windows type library and the Python binding, so the surface is written once.
//
// A table is written with the helpers of member_rows.h, one line per member; the types come
// from the C++ member functions themselves.
#pragma once

#include <string_view>

#include "automation/automation_error.h"
#include "automation/dispatch.h"
#include "automation/member_row.h"
#include "automation/member_rows.h"

namespace glyphwright {

// Converts one argument to its declared type, the way automation coerces a variant.
Variant CoerceArgument(const Variant& value, ValueType type);

// The row GetIDsOfNames answers for a name, ignoring case; kUnknownDispId when there is none.
DispId FindMemberId(MemberTable members, std::u16string_view name);

// Invoke through a table: finds the row, checks and coerces the arguments, calls it.
Variant InvokeMember(Dispatch& self, MemberTable members, DispId id, InvokeKind kind,
                     Arguments args);

// A Dispatch whose members come from T::Members(), a MemberTable.
template <class T>
class TableDispatch : public Dispatch, protected MemberRows<T> {
 public:
  DispId GetIDsOfNames(std::u16string_view name) override {
    return FindMemberId(T::Members(), name);
  }

  Variant Invoke(DispId id, InvokeKind kind, Arguments args) override {
    return InvokeMember(*this, T::Members(), id, kind, args);
  }
};

}  // namespace glyphwright
