#include "type_library_idl.h"

#include <string_view>

#include "component/class_registry.h"
#include "component/guid.h"
#include "component/library_info.h"
#include "component/value_type_names.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

std::string Text(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

// An IDL string literal.
std::string Quoted(std::u16string_view text) {
  std::string quoted = "\"";
  for (const char c : Text(text)) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

// The registry form without its braces, as IDL writes a uuid.
std::string Uuid(const Guid& guid) {
  const std::string braced = Text(GuidToText(guid));
  return braced.substr(1, braced.size() - 2);
}

const char* KindAttribute(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::Method:
      return "";
    case InvokeKind::PropertyGet:
      return ", propget";
    case InvokeKind::PropertyPut:
      return ", propput";
    case InvokeKind::PropertyPutRef:
      return ", propputref";
  }
  return "";
}

std::string Parameter(const ParamInfo& param) {
  std::string text = param.byRef ? "[in, out" : "[in";
  if (param.optional)
    text += ", optional, defaultvalue(" + std::to_string(param.defaultValue) + ")";
  text += "] ";
  text += IdlType(param.type);
  // A by-reference parameter is a pointer to its value.
  if (param.byRef) text += "*";
  return text + " " + Text(param.name);
}

// One row of the member table. A property get declares the property's type as its result; a put
// takes the assigned value as its last parameter, and neither returns anything else.
std::string Member(const MemberRow& row) {
  std::string text = "    [id(" + DispIdText(row.id) + ")" + KindAttribute(row.kind) + "] ";
  const bool put = row.kind == InvokeKind::PropertyPut || row.kind == InvokeKind::PropertyPutRef;
  text += put ? "void" : IdlType(row.type);
  text.append(" ").append(Text(row.name)).append("(");
  bool first = true;
  for (const ParamInfo& param : row.params()) {
    if (!first) text += ", ";
    text += Parameter(param);
    first = false;
  }
  return text + ");\n";
}

std::string Class(const ClassInfo& info) {
  const std::string interfaceName = Text(info.InterfaceName());
  std::string text;
  text += "  [\n    uuid(" + Uuid(info.interfaceId) + "),\n    hidden\n  ]\n";
  text += "  dispinterface " + interfaceName + " {\n  properties:\n  methods:\n";
  for (const MemberRow& row : info.members()) text += Member(row);
  text += "  };\n\n";
  text += "  [\n    uuid(" + Uuid(info.clsid) + "),\n    helpstring(" + Quoted(info.helpString) +
          ")\n  ]\n";
  text += "  coclass " + Text(info.name) + " {\n    [default] dispinterface " + interfaceName +
          ";\n  };\n";
  for (const InterfaceInfo& alias : info.aliases) {
    text += "\n  typedef [uuid(" + Uuid(alias.iid) + "), public] " + interfaceName + " " +
            Text(alias.name) + ";\n";
  }
  return text;
}

}  // namespace

std::string TypeLibraryIdl() {
  std::string text = "// The type library of " + Text(kLibrary.fileName) +
                     ", written by glyphwright-idl from the member tables of\n"
                     "// the public classes. Do not edit: regenerate with\n"
                     "//   glyphwright-idl --write hosts/com/Glyphwright.idl\n"
                     "import \"oaidl.idl\";\n\n";
  text += "[\n  uuid(" + Uuid(kLibrary.libid) + "),\n";
  text += "  version(" + std::to_string(kLibrary.majorVersion) + "." +
          std::to_string(kLibrary.minorVersion) + "),\n";
  text += "  helpstring(" + Quoted(kLibrary.helpString) + "),\n";
  text += "  lcid(" + std::to_string(kLibrary.locale) + ")\n]\n";
  text += "library " + Text(kLibrary.name) + "\n{\n  importlib(\"stdole2.tlb\");\n";
  for (const ClassInfo& info : PublicClasses()) text.append("\n").append(Class(info));
  text += "};\n";
  return text;
}

}  // namespace glyphwright
