#include "bind_class.h"

#include <array>

#include "automation/automation_error.h"
#include "automation/member_table.h"
#include "component/class_registry.h"
#include "component/value_type_names.h"
#include "python_text.h"
#include "python_variant.h"
#include "text/utf8.h"

namespace glyphwright::python {
namespace {

constexpr std::size_t kMaxArgs = 4;

// An object parameter takes None as Nothing; everywhere else None is Empty.
Variant ArgumentFor(const ParamInfo& param, py::handle value) {
  if (param.type == ValueType::Object && value.is_none()) return Variant(DispatchRef());
  return ToVariant(value);
}

py::object CallMethod(Dispatch& self, const MemberRow& member, const py::args& args,
                      const py::kwargs& kwargs) {
  const std::span<const ParamInfo> params = member.params();
  std::array<Variant, kMaxArgs> values;
  std::array<Variant*, kMaxArgs> pointers{};
  std::array<bool, kMaxArgs> given{};
  std::size_t count = args.size();
  if (count > params.size() || params.size() > kMaxArgs) throw errors::WrongArgumentCount();
  for (std::size_t i = 0; i < count; ++i) {
    values[i] = ArgumentFor(params[i], args[i]);
    given[i] = true;
  }
  for (const auto& [key, value] : kwargs) {
    const std::string keyword = py::str(key);
    std::size_t index = 0;
    while (index < params.size() && Utf16ToUtf8(params[index].name) != keyword) ++index;
    if (index == params.size()) {
      throw py::type_error(Utf16ToUtf8(member.name) + "() got an unexpected keyword argument '" +
                           keyword + "'");
    }
    if (given[index]) {
      throw py::type_error(Utf16ToUtf8(member.name) + "() got multiple values for argument '" +
                           keyword + "'");
    }
    values[index] = ArgumentFor(params[index], value);
    given[index] = true;
    count = std::max(count, index + 1);
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (!given[i]) {
      // A gap before a keyword argument: an optional parameter takes its default.
      if (!params[i].optional) throw errors::ArgumentNotOptional();
      values[i] = Variant(params[i].defaultValue);
    }
    pointers[i] = &values[i];
  }
  Variant result = self.Invoke(member.id, InvokeKind::Method, Arguments(pointers.data(), count));
  if (member.type != ValueType::Void) return FromVariant(result);
  // Python cannot see a by-reference argument change: a method without a result returns what
  // was written back instead, one value as itself, several as a tuple.
  py::list written;
  for (std::size_t i = 0; i < count; ++i) {
    if (params[i].byRef) written.append(FromVariant(values[i]));
  }
  if (written.empty()) return py::none();
  if (written.size() == 1) return written[0];
  return py::tuple(written);
}

std::string Signature(const MemberRow& member) {
  std::string text = Utf16ToUtf8(member.name) + "(";
  for (std::size_t i = 0; i < member.params().size(); ++i) {
    const ParamInfo& param = member.params()[i];
    if (i > 0) text += ", ";
    text += Utf16ToUtf8(param.name) + ": " + PythonType(param.type);
    if (param.optional) text += " = " + std::to_string(param.defaultValue);
  }
  return text + ") -> " + PythonType(member.type);
}

std::string PropertyDoc(const MemberView& member) {
  std::string access;
  if (member.get) access += "get";
  if (member.put) access += access.empty() ? "put" : ", put";
  if (member.putRef) access += access.empty() ? "put by reference" : ", put by reference";
  return Utf16ToUtf8(member.name) + ": " + PythonType(member.type) + " (" + access +
         "; dispatch id " + DispIdText(member.id) + ")";
}

void AddMethod(py::handle cls, const MemberRow& member) {
  const std::string name = Utf16ToUtf8(member.name);
  const std::string doc = Signature(member) + "\n\nDispatch id " + DispIdText(member.id) + ".";
  const MemberRow* row = &member;
  py::cpp_function method(
      [row](Dispatch& self, const py::args& args, const py::kwargs& kwargs) {
        return CallMethod(self, *row, args, kwargs);
      },
      py::name(name.c_str()), py::is_method(cls), py::doc(doc.c_str()));
  py::setattr(cls, name.c_str(), method);
}

void AddProperty(py::handle cls, const MemberView& member) {
  py::object getter = py::none();
  py::object setter = py::none();
  if (const MemberRow* get = member.get) {
    getter = py::cpp_function([get](Dispatch& self) {
      return FromVariant(self.Invoke(get->id, InvokeKind::PropertyGet, {}));
    });
  }
  if (const MemberRow* put = member.putRef ? member.putRef : member.put) {
    setter = py::cpp_function([put](Dispatch& self, py::handle value) {
      Variant argument = ArgumentFor(put->params().back(), value);
      Variant* pointer = &argument;
      self.Invoke(put->id, put->kind, Arguments(&pointer, 1));
    });
  }
  const py::object property = py::module_::import("builtins").attr("property");
  py::setattr(cls, Utf16ToUtf8(member.name).c_str(),
              property(getter, setter, py::none(), PropertyDoc(member)));
}

}  // namespace

void AddMembers(py::handle cls, const MemberTable& rows) {
  for (const MemberView& member : GroupMembers(rows)) {
    if (member.IsProperty()) {
      AddProperty(cls, member);
    } else {
      AddMethod(cls, *member.method);
    }
  }
}

std::string ClassDoc(const ClassInfo& info) {
  std::string doc = Utf16ToUtf8(info.helpString) + "\n\nThe automation class " +
                    Utf16ToUtf8(info.name) + " (ProgID " + Utf16ToUtf8(info.ProgId()) +
                    ", default interface " + Utf16ToUtf8(info.InterfaceName()) + ").\n\nMembers:\n";
  const MemberTable rows = info.members();
  for (const MemberView& member : GroupMembers(rows)) {
    doc += "  " + (member.IsProperty() ? PropertyDoc(member) : Signature(*member.method)) + "\n";
  }
  return doc;
}

namespace {

// Hands an object made in C++ to Dispatch's constructor; the name tells it from other capsules.
constexpr const char* kObjectCapsule = "glyphwright object";

DispatchRef AdoptedObject(const py::capsule& object) {
  if (!PyCapsule_IsValid(object.ptr(), kObjectCapsule)) {
    throw py::type_error("Dispatch cannot be made from Python; make one of its classes");
  }
  return *static_cast<const DispatchRef*>(PyCapsule_GetPointer(object.ptr(), kObjectCapsule));
}

}  // namespace

DispatchClass BindDispatch(py::module_& module) {
  DispatchClass cls(module, "Dispatch",
                    "Base of every glyphwright object: an automation object reached by name.");
  cls.def(py::init(&AdoptedObject));
  return cls;
}

void BindClass(py::module_& module, const ClassInfo& info) {
  const std::string name = Utf16ToUtf8(info.name);
  py::dict attributes;
  attributes["__module__"] = module.attr("__name__");
  attributes["__doc__"] = ClassDoc(info);
  const py::handle metaclass(reinterpret_cast<PyObject*>(&PyType_Type));
  auto cls = py::reinterpret_borrow<DispatchClass>(
      metaclass(name, py::make_tuple(module.attr("Dispatch")), attributes));
  cls.def(py::init([create = info.create] { return create(); }));
  AddMembers(cls, info.members());
  module.attr(name.c_str()) = cls;
}

py::object WrapObject(const DispatchRef& object) {
  py::object held = py::cast(object);
  const py::handle dispatch = py::type::handle_of<Dispatch>();
  if (!held.get_type().is(dispatch)) return held;
  // A plain Dispatch: the object was made in C++ and Python holds none of it yet.
  for (const ClassInfo& info : PublicClasses()) {
    if (!info.isInstance(*object)) continue;
    for (const py::handle cls : dispatch.attr("__subclasses__")()) {
      if (py::str(cls.attr("__name__")).cast<std::string>() != Utf16ToUtf8(info.name)) continue;
      py::object made = cls.attr("__new__")(cls);
      dispatch.attr("__init__")(made, py::capsule(&object, kObjectCapsule));
      return made;
    }
  }
  return held;
}

}  // namespace glyphwright::python
