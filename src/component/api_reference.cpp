#include "component/api_reference.h"

#include "component/class_registry.h"
#include "component/library_info.h"
#include "component/value_type_names.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

std::string U8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

const char* KindName(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::Method:
      return "method";
    case InvokeKind::PropertyGet:
      return "property get";
    case InvokeKind::PropertyPut:
      return "property put";
    case InvokeKind::PropertyPutRef:
      return "property put by reference";
  }
  return "";
}

std::string Parameters(const MemberRow& row) {
  std::string text;
  for (const ParamInfo& param : row.params()) {
    if (!text.empty()) text += ", ";
    if (param.optional) text += "optional ";
    text.append("`").append(U8(param.name)).append("` ").append(DocsType(param.type));
    if (param.optional) text.append(" = ").append(std::to_string(param.defaultValue));
  }
  if (row.kind == InvokeKind::Method) {
    if (!text.empty()) text += "; ";
    text +=
        row.type == ValueType::Void ? "no result" : std::string("returns ") + DocsType(row.type);
  }
  return text.empty() ? DocsType(row.type) : text;
}

std::string PythonUse(const ClassInfo& info) {
  const std::string name = U8(info.name);
  std::string text = "```python\nimport glyphwright\n\nobj = glyphwright." + name +
                     "()  # or glyphwright.CreateObject(\"" + U8(info.ProgId()) + "\")\n";
  const MemberTable rows = info.members();
  for (const MemberView& member : GroupMembers(rows)) {
    const std::string member_name = U8(member.name);
    if (member.method != nullptr) {
      std::string args;
      for (const ParamInfo& param : member.method->params()) {
        if (!args.empty()) args += ", ";
        args += U8(param.name);
        if (param.optional) args.append("=").append(std::to_string(param.defaultValue));
      }
      const bool returns = member.method->type != ValueType::Void;
      text += (returns ? "result = obj." : "obj.") + member_name + "(" + args + ")";
      text +=
          std::string("  # ") + (returns ? PythonType(member.method->type) : "no result") + "\n";
      continue;
    }
    if (member.get != nullptr) {
      text += "value = obj." + member_name + "  # " + PythonType(member.type) + "\n";
    }
    if (member.put != nullptr || member.putRef != nullptr) {
      text +=
          "obj." + member_name + " = value" + (member.get == nullptr ? "  # write-only\n" : "\n");
    }
  }
  return text + "```\n";
}

}  // namespace

std::string ApiReferencePage(const ClassInfo& info) {
  const std::string name = U8(info.name);
  std::string page = "# " + name + "\n\n";
  page += "<!-- Made from the member table by glyphwright-apidoc. Do not edit. -->\n\n";
  page += U8(info.helpString) + "\n\n";
  page += "| | |\n|---|---|\n";
  page += "| ProgID | `" + U8(info.ProgId()) + "` |\n";
  page += "| Class identifier | `" + U8(GuidToText(info.clsid)) + "` |\n";
  page += "| Default interface | `" + U8(info.InterfaceName()) + "` `" +
          U8(GuidToText(info.interfaceId)) + "` |\n";
  for (const InterfaceInfo& alias : info.aliases) {
    page += "| Also answers to | `" + U8(alias.name) + "` `" + U8(GuidToText(alias.iid)) + "` |\n";
  }
  page += "| Type library | `" + U8(kLibrary.name) + "` " + std::to_string(kLibrary.majorVersion) +
          "." + std::to_string(kLibrary.minorVersion) + " |\n\n";

  page += "## Members\n\nIn interface order; names are found ignoring case.\n\n";
  page += "| Member | Kind | Type and parameters | Dispatch identifier |\n|---|---|---|---|\n";
  for (const MemberRow& row : info.members()) {
    page += "| `" + U8(row.name) + "` | " + KindName(row.kind) + " | " + Parameters(row) + " | " +
            DispIdText(row.id) + " |\n";
  }
  page += "\n## From Python\n\n" + PythonUse(info);
  page +=
      "\nArguments are converted as late binding converts them: a String parameter takes any "
      "value with a text form, a Long any number within 32 bits (fractions rounded half to "
      "even), a Boolean any number or the texts \"True\" and \"False\"; anything else is "
      "error 13 \"Type mismatch\".\n";
  return page;
}

std::string ApiReferenceIndex() {
  std::string page = "# " + U8(kLibrary.name) + " class reference\n\n";
  page += "<!-- Made from the class registry by glyphwright-apidoc. Do not edit. -->\n\n";
  page += "Type library `" + U8(kLibrary.name) + "`, help string \"" + U8(kLibrary.helpString) +
          "\", version " + std::to_string(kLibrary.majorVersion) + "." +
          std::to_string(kLibrary.minorVersion) + ", locale " + std::to_string(kLibrary.locale) +
          ", identifier `" + U8(GuidToText(kLibrary.libid)) + "`.\n\n";
  page += "| Class | ProgID | What it does |\n|---|---|---|\n";
  for (const ClassInfo& info : PublicClasses()) {
    page += "| [" + U8(info.name) + "](" + U8(info.name) + ".md) | `" + U8(info.ProgId()) + "` | " +
            U8(info.helpString) + " |\n";
  }
  page +=
      "\n`CreateObject(ProgID)` makes any of them, ignoring the ProgID's letter case; an "
      "unknown ProgID is error 429 \"ActiveX component can't create object\".\n";
  return page;
}

}  // namespace glyphwright
