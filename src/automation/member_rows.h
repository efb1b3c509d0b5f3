// The helpers a member table is written with, one line per member:
//
//   static constexpr auto kMembers = Rows(
//       Property<&Self::ItalicCommand, &Self::SetItalicCommand>(u"ItalicCommand", 0x40030003),
//       Method<&Self::GetCommands>(u"GetCommands", 0x60030000, {u"Text"}));
//
// Parameter and result types come from the C++ member function: bool is Boolean, int32_t Long,
// double Double, std::u16string (or a view or reference of one) String, DispatchRef Object,
// Variant Variant, and a Variant& parameter is a Variant passed by reference. A put whose value
// is an object is a put by reference. Only the names are written in the table.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "automation/member_row.h"

namespace glyphwright {

// A parameter's name as a table gives it; Optional() makes one that may be left out.
struct ParamName {
  constexpr ParamName(const char16_t* text) : name(text) {}
  constexpr ParamName(std::u16string_view text, int32_t defaultLong)
      : name(text), optional(true), defaultValue(defaultLong) {}

  std::u16string_view name;
  bool optional = false;
  int32_t defaultValue = 0;
};

// A Long parameter that takes defaultValue when the caller leaves it out.
constexpr ParamName Optional(std::u16string_view name, int32_t defaultValue) {
  return ParamName(name, defaultValue);
}

template <std::size_t N>
using RowGroup = std::array<MemberRow, N>;

// The rows of every group in order: the whole table.
template <std::size_t... N>
constexpr RowGroup<(N + ...)> Rows(const RowGroup<N>&... groups) {
  RowGroup<(N + ...)> table{};
  std::size_t next = 0;
  ((std::copy(groups.begin(), groups.end(), table.begin() + next), next += N), ...);
  return table;
}

namespace member_rows {

template <class>
inline constexpr bool kUnsupported = false;

template <class V>
constexpr ValueType TypeOf() {
  using D = std::remove_cvref_t<V>;
  if constexpr (std::is_void_v<D>) {
    return ValueType::Void;
  } else if constexpr (std::is_same_v<D, bool>) {
    return ValueType::Boolean;
  } else if constexpr (std::is_same_v<D, int32_t>) {
    return ValueType::Long;
  } else if constexpr (std::is_same_v<D, double>) {
    return ValueType::Double;
  } else if constexpr (std::is_same_v<D, std::u16string> ||
                       std::is_same_v<D, std::u16string_view>) {
    return ValueType::String;
  } else if constexpr (std::is_same_v<D, DispatchRef>) {
    return ValueType::Object;
  } else if constexpr (std::is_same_v<D, Variant>) {
    return ValueType::Variant;
  } else {
    static_assert(kUnsupported<V>, "no automation type for this C++ type");
  }
}

// A parameter the callee may write to: a Variant by non-const reference.
template <class P>
constexpr bool IsByRef() {
  constexpr bool writable =
      std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>;
  static_assert(!writable || std::is_same_v<std::remove_cvref_t<P>, Variant>,
                "a by-reference parameter is a Variant&");
  return writable;
}

template <class P>
constexpr ParamInfo ParamOf(const ParamName& name) {
  return {name.name, TypeOf<P>(), IsByRef<P>(), name.optional, name.defaultValue};
}

// The argument, already coerced to the parameter's declared type, as the C++ parameter takes it.
template <class P>
decltype(auto) ArgumentAs(Variant& value) {
  using D = std::remove_cvref_t<P>;
  if constexpr (std::is_same_v<D, bool>) {
    return value.ToBoolean();
  } else if constexpr (std::is_same_v<D, int32_t>) {
    return value.ToLong();
  } else if constexpr (std::is_same_v<D, double>) {
    return value.ToDouble();
  } else if constexpr (std::is_same_v<D, std::u16string> ||
                       std::is_same_v<D, std::u16string_view>) {
    return (*value.AsString());
  } else if constexpr (std::is_same_v<D, DispatchRef>) {
    return value.ToObject();
  } else {
    return (value);
  }
}

template <class... A>
struct TypeList {};

template <class F>
struct Shape;
template <class C, class R, class... A>
struct Shape<R (C::*)(A...)> {
  using Class = C;
  using Result = R;
  using Params = TypeList<A...>;
  static constexpr std::size_t kArity = sizeof...(A);
};
template <class C, class R, class... A>
struct Shape<R (C::*)(A...) const> : Shape<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct Shape<R (C::*)(A...) noexcept> : Shape<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct Shape<R (C::*)(A...) const noexcept> : Shape<R (C::*)(A...)> {};

template <auto Fn>
using ResultOf = typename Shape<decltype(Fn)>::Result;
template <auto Fn>
inline constexpr std::size_t kArityOf = Shape<decltype(Fn)>::kArity;

template <class T, auto Fn, class... A, std::size_t... I>
decltype(auto) CallWith(T& self, [[maybe_unused]] Arguments args, TypeList<A...>,
                        std::index_sequence<I...>) {
  // The member may belong to a base class of T; reached through that base explicitly, as gcc's
  // alias analysis wants it.
  auto& object = static_cast<typename Shape<decltype(Fn)>::Class&>(self);
  return (object.*Fn)(ArgumentAs<A>(*args[I])...);
}

template <class T, auto Fn>
decltype(auto) CallMember(Dispatch& self, Arguments args) {
  return CallWith<T, Fn>(static_cast<T&>(self), args, typename Shape<decltype(Fn)>::Params{},
                         std::make_index_sequence<kArityOf<Fn>>{});
}

// The late-bound call of a row: the result as a Variant, Empty for none.
template <class T, auto Fn>
Variant Call(Dispatch& self, Arguments args) {
  if constexpr (std::is_void_v<ResultOf<Fn>>) {
    CallMember<T, Fn>(self, args);
    return Variant();
  } else {
    return Variant(CallMember<T, Fn>(self, args));
  }
}

// A listener's call: the result goes into the last argument, by reference, and the call itself
// answers nothing.
template <class T, auto Fn>
Variant CallAnsweringInLast(Dispatch& self, Arguments args) {
  *args[kArityOf<Fn>] = Variant(CallMember<T, Fn>(self, args.first(kArityOf<Fn>)));
  return Variant();
}

template <class... A>
constexpr void FillParams(MemberRow& row, const ParamName* names, TypeList<A...>) {
  std::size_t i = 0;
  ((row.paramSlots[i] = ParamOf<A>(names[i]), ++i), ...);
  row.paramCount = static_cast<uint8_t>(sizeof...(A));
}

}  // namespace member_rows

// The row helpers, reached from a class's Members() through TableDispatch<T>.
template <class T>
class MemberRows {
 protected:
  using Self = T;

  template <auto Fn, std::size_t N>
  static constexpr RowGroup<1> Method(std::u16string_view name, DispId id,
                                      const ParamName (&names)[N]) {
    static_assert(N == member_rows::kArityOf<Fn>, "one name for every parameter");
    return {Row<Fn>(name, InvokeKind::Method, id, member_rows::TypeOf<member_rows::ResultOf<Fn>>(),
                    names, &member_rows::Call<T, Fn>)};
  }
  template <auto Fn>
  static constexpr RowGroup<1> Method(std::u16string_view name, DispId id) {
    static_assert(member_rows::kArityOf<Fn> == 0, "one name for every parameter");
    return {Row<Fn>(name, InvokeKind::Method, id, member_rows::TypeOf<member_rows::ResultOf<Fn>>(),
                    nullptr, &member_rows::Call<T, Fn>)};
  }

  // A method without a result whose answer is written into its last parameter, a Long by
  // reference, the way a FontListener answers; Fn returns that answer and lacks the parameter.
  template <auto Fn, std::size_t N>
  static constexpr RowGroup<1> ListenerMethod(std::u16string_view name, DispId id,
                                              const ParamName (&names)[N]) {
    static_assert(N == member_rows::kArityOf<Fn> + 1, "one name for every parameter and answer");
    static_assert(N <= kMaxParams, "a member with too many parameters");
    MemberRow row = Row<Fn>(name, InvokeKind::Method, id, ValueType::Void, names,
                            &member_rows::CallAnsweringInLast<T, Fn>);
    row.paramSlots[N - 1] = {names[N - 1].name, member_rows::TypeOf<member_rows::ResultOf<Fn>>(),
                             /*byRef=*/true};
    row.paramCount = N;
    return {row};
  }

  template <auto Getter>
  static constexpr RowGroup<1> Get(std::u16string_view name, DispId id) {
    static_assert(member_rows::kArityOf<Getter> == 0, "a get takes no parameters");
    return {Row<Getter>(name, InvokeKind::PropertyGet, id,
                        member_rows::TypeOf<member_rows::ResultOf<Getter>>(), nullptr,
                        &member_rows::Call<T, Getter>)};
  }

  // value names the assigned value, as the type library shows it.
  template <auto Setter>
  static constexpr RowGroup<1> Put(std::u16string_view name, DispId id, ParamName value = u"RHS") {
    static_assert(member_rows::kArityOf<Setter> == 1, "a put takes the value only");
    using Value = typename First<typename member_rows::Shape<decltype(Setter)>::Params>::Type;
    const ValueType type = member_rows::TypeOf<Value>();
    const InvokeKind kind =
        type == ValueType::Object ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut;
    const ParamName names[] = {value};
    return {Row<Setter>(name, kind, id, type, names, &member_rows::Call<T, Setter>)};
  }

  // A get followed by a put.
  template <auto Getter, auto Setter>
  static constexpr RowGroup<2> Property(std::u16string_view name, DispId id,
                                        ParamName value = u"RHS") {
    return Rows(Get<Getter>(name, id), Put<Setter>(name, id, value));
  }

 private:
  template <class List>
  struct First;
  template <class A>
  struct First<member_rows::TypeList<A>> {
    using Type = A;
  };

  template <auto Fn>
  static constexpr MemberRow Row(std::u16string_view name, InvokeKind kind, DispId id,
                                 ValueType type, const ParamName* names,
                                 Variant (*call)(Dispatch&, Arguments)) {
    static_assert(member_rows::kArityOf<Fn> <= kMaxParams, "a member with too many parameters");
    MemberRow row{.name = name, .kind = kind, .id = id, .type = type, .call = call};
    member_rows::FillParams(row, names, typename member_rows::Shape<decltype(Fn)>::Params{});
    return row;
  }
};

}  // namespace glyphwright
