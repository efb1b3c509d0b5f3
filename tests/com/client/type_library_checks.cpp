// The type library inside Quillet.dll, as Windows registered it, against the member tables: the
// library's identity, every coclass and its default dispinterface, every member in table order
// with its dispatch identifier, kind, types and parameter names, and the alias of an earlier
// interface. Then the objects: their type information, their dispatch identifiers, and a call made
// with an identifier read from the type library.
#include <windows.h>

#include <ocidl.h>
#include <oleauto.h>

#include "automation.h"
#include "checks.h"
#include "client_checks.h"
#include "component/class_registry.h"
#include "component/library_info.h"
#include "wide_text.h"

namespace client {
namespace {

using glyphwright::ClassInfo;
using glyphwright::InterfaceInfo;
using glyphwright::InvokeKind;
using glyphwright::kLibrary;
using glyphwright::MemberRow;
using glyphwright::ParamInfo;
using glyphwright::ValueType;
using glyphwright::com::ToGUID;

VARTYPE TypeOf(ValueType type) {
  switch (type) {
    case ValueType::Void:
      return VT_VOID;
    case ValueType::Boolean:
      return VT_BOOL;
    case ValueType::Long:
      return VT_I4;
    case ValueType::Double:
      return VT_R8;
    case ValueType::String:
      return VT_BSTR;
    case ValueType::Object:
      return VT_DISPATCH;
    case ValueType::Variant:
      return VT_VARIANT;
  }
  return VT_EMPTY;
}

INVOKEKIND InvokeKindOf(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::Method:
      return INVOKE_FUNC;
    case InvokeKind::PropertyGet:
      return INVOKE_PROPERTYGET;
    case InvokeKind::PropertyPut:
      return INVOKE_PROPERTYPUT;
    case InvokeKind::PropertyPutRef:
      return INVOKE_PROPERTYPUTREF;
  }
  return INVOKE_FUNC;
}

// The automation type a TYPEDESC stands for: IDispatch* is a pointer to the interface.
VARTYPE Described(ITypeInfo* owner, const TYPEDESC& type) {
  if (type.vt == VT_PTR && type.lptdesc != nullptr && type.lptdesc->vt == VT_USERDEFINED) {
    ComRef<ITypeInfo> pointed;
    if (SUCCEEDED(owner->GetRefTypeInfo(type.lptdesc->hreftype, pointed.Receive()))) {
      TYPEATTR* attributes = nullptr;
      pointed->GetTypeAttr(&attributes);
      const bool dispatch = IsEqualGUID(attributes->guid, IID_IDispatch);
      pointed->ReleaseTypeAttr(attributes);
      if (dispatch) return VT_DISPATCH;
    }
  }
  return type.vt;
}

std::u16string NameOf(ITypeInfo* info, MEMBERID id, std::u16string* doc = nullptr) {
  BSTR name = nullptr;
  BSTR text = nullptr;
  info->GetDocumentation(id, &name, &text, nullptr, nullptr);
  std::u16string result = name != nullptr ? FromWide(name) : u"";
  if (doc != nullptr) *doc = text != nullptr ? FromWide(text) : u"";
  SysFreeString(name);
  SysFreeString(text);
  return result;
}

void CheckMember(ITypeInfo* interfaceInfo, UINT index, const MemberRow& row,
                 const std::string& where) {
  FUNCDESC* function = nullptr;
  if (!Check(SUCCEEDED(interfaceInfo->GetFuncDesc(index, &function)), where + " is there")) return;
  CheckEqual(function->memid, row.id, where + ": dispatch identifier");
  CheckEqual(function->invkind, InvokeKindOf(row.kind), where + ": kind");
  CheckEqual(function->funckind, FUNC_DISPATCH, where + ": a dispatch member");
  const bool put = row.kind == InvokeKind::PropertyPut || row.kind == InvokeKind::PropertyPutRef;
  CheckEqual(Described(interfaceInfo, function->elemdescFunc.tdesc),
             put ? VARTYPE{VT_VOID} : TypeOf(row.type), where + ": result type");
  CheckEqual(function->cParams, static_cast<int64_t>(row.params().size()), where + ": parameters");

  BSTR names[8] = {};
  UINT named = 0;
  interfaceInfo->GetNames(function->memid, names, 8, &named);
  // GetNames answers for the first member of an identifier; the parameter names are compared for
  // methods, whose identifier is theirs alone.
  const bool ownNames = row.kind == InvokeKind::Method;
  CheckEqual(named > 0 ? FromWide(names[0]) : u"", row.name, where + ": name");
  for (SHORT p = 0; p < function->cParams && static_cast<std::size_t>(p) < row.params().size();
       ++p) {
    const ParamInfo& param = row.params()[p];
    const std::string what = where + " parameter " + Utf8(param.name);
    const ELEMDESC& element = function->lprgelemdescParam[p];
    CheckEqual(Described(interfaceInfo, element.tdesc), TypeOf(param.type), what + ": type");
    const USHORT flags = element.paramdesc.wParamFlags;
    CheckEqual((flags & PARAMFLAG_FOPT) != 0, param.optional, what + ": optional");
    if (param.optional && Check((flags & PARAMFLAG_FHASDEFAULT) != 0, what + ": has a default")) {
      const VARIANT& fallback = element.paramdesc.pparamdescex->varDefaultValue;
      CheckEqual(V_VT(&fallback) == VT_I4 ? V_I4(&fallback) : -12345, param.defaultValue,
                 what + ": default");
    }
    if (ownNames && Check(static_cast<UINT>(p) + 1 < named, what + ": named")) {
      CheckEqual(FromWide(names[p + 1]), param.name, what + ": name");
    }
  }
  for (BSTR name : names) SysFreeString(name);
  interfaceInfo->ReleaseFuncDesc(function);

  // The type library's own lookup gives the table's identifier.
  std::wstring wideName = Wide(row.name);
  LPOLESTR lookup[] = {wideName.data()};
  MEMBERID id = MEMBERID_NIL;
  interfaceInfo->GetIDsOfNames(lookup, 1, &id);
  CheckEqual(id, row.id, where + ": ITypeInfo::GetIDsOfNames");
}

void CheckClass(ITypeLib* library, const ClassInfo& info) {
  const std::string where = Utf8(info.name);
  ComRef<ITypeInfo> coclass;
  if (!Check(SUCCEEDED(library->GetTypeInfoOfGuid(ToGUID(info.clsid), coclass.Receive())),
             where + ": coclass by CLSID")) {
    return;
  }
  std::u16string help;
  CheckEqual(NameOf(coclass.get(), MEMBERID_NIL, &help), info.name, where + ": coclass name");
  CheckEqual(help, info.helpString, where + ": help string");
  TYPEATTR* attributes = nullptr;
  coclass->GetTypeAttr(&attributes);
  CheckEqual(attributes->typekind, TKIND_COCLASS, where + ": a coclass");
  CheckEqual(attributes->cImplTypes, 1, where + ": one interface");
  Check((attributes->wTypeFlags & TYPEFLAG_FCANCREATE) != 0, where + ": creatable");
  coclass->ReleaseTypeAttr(attributes);

  INT implFlags = 0;
  coclass->GetImplTypeFlags(0, &implFlags);
  Check((implFlags & IMPLTYPEFLAG_FDEFAULT) != 0, where + ": the default interface");
  HREFTYPE reference = 0;
  coclass->GetRefTypeOfImplType(0, &reference);
  ComRef<ITypeInfo> interfaceInfo;
  if (!Check(SUCCEEDED(coclass->GetRefTypeInfo(reference, interfaceInfo.Receive())),
             where + ": its interface")) {
    return;
  }
  CheckEqual(NameOf(interfaceInfo.get(), MEMBERID_NIL), info.InterfaceName(),
             where + ": interface name");
  interfaceInfo->GetTypeAttr(&attributes);
  Check(IsEqualGUID(attributes->guid, ToGUID(info.interfaceId)), where + ": IID");
  CheckEqual(attributes->typekind, TKIND_DISPATCH, where + ": a dispinterface");
  const glyphwright::MemberTable rows = info.members();
  CheckEqual(attributes->cFuncs, static_cast<int64_t>(rows.size()), where + ": member count");
  interfaceInfo->ReleaseTypeAttr(attributes);
  for (UINT i = 0; i < rows.size(); ++i) {
    CheckMember(interfaceInfo.get(), i, rows[i],
                where + "." + Utf8(rows[i].name) + " (row " + std::to_string(i) + ")");
  }

  for (const InterfaceInfo& alias : info.aliases) {
    ComRef<ITypeInfo> aliasInfo;
    if (!Check(SUCCEEDED(library->GetTypeInfoOfGuid(ToGUID(alias.iid), aliasInfo.Receive())),
               Utf8(alias.name) + " by its IID")) {
      continue;
    }
    CheckEqual(NameOf(aliasInfo.get(), MEMBERID_NIL), alias.name, Utf8(alias.name) + ": name");
    aliasInfo->GetTypeAttr(&attributes);
    CheckEqual(attributes->typekind, TKIND_ALIAS, Utf8(alias.name) + ": an alias");
    ComRef<ITypeInfo> aliased;
    if (attributes->tdescAlias.vt == VT_USERDEFINED &&
        SUCCEEDED(aliasInfo->GetRefTypeInfo(attributes->tdescAlias.hreftype, aliased.Receive()))) {
      CheckEqual(NameOf(aliased.get(), MEMBERID_NIL), info.InterfaceName(),
                 Utf8(alias.name) + ": of the default interface");
    } else {
      Check(false, Utf8(alias.name) + " names the default interface");
    }
    aliasInfo->ReleaseTypeAttr(attributes);
  }
}

// A live object: its type information is its class's, its dispatch identifiers those of the
// type library, and it answers to its interfaces.
void CheckObject(const ClassInfo& info) {
  const std::string where = Utf8(info.ProgId());
  const ComRef<IDispatch> object = Create(Wide(info.ProgId()).c_str());
  if (!Check(static_cast<bool>(object), where + " is made")) return;
  UINT count = 0;
  object->GetTypeInfoCount(&count);
  CheckEqual(count, 1, where + ": type information");
  ComRef<ITypeInfo> typeInfo;
  object->GetTypeInfo(0, LOCALE_USER_DEFAULT, typeInfo.Receive());
  if (!Check(static_cast<bool>(typeInfo), where + ": GetTypeInfo")) return;
  TYPEATTR* attributes = nullptr;
  typeInfo->GetTypeAttr(&attributes);
  Check(IsEqualGUID(attributes->guid, ToGUID(info.interfaceId)),
        where + ": GetTypeInfo is the default interface");
  typeInfo->ReleaseTypeAttr(attributes);
  for (const MemberRow& row : info.members()) {
    std::wstring name = Wide(row.name);
    LPOLESTR lookup[] = {name.data()};
    MEMBERID fromTypeLibrary = MEMBERID_NIL;
    typeInfo->GetIDsOfNames(lookup, 1, &fromTypeLibrary);
    CheckEqual(IdOf(object.get(), name.c_str()), fromTypeLibrary,
               where + "." + Utf8(row.name) + ": IDispatch and type library agree");
  }

  ComRef<IProvideClassInfo> provider;
  if (Check(SUCCEEDED(object->QueryInterface(IID_IProvideClassInfo, provider.ReceiveVoid())),
            where + ": IProvideClassInfo")) {
    ComRef<ITypeInfo> classInfo;
    provider->GetClassInfo(classInfo.Receive());
    CheckEqual(classInfo ? NameOf(classInfo.get(), MEMBERID_NIL) : u"", info.name,
               where + ": its class");
  }
  ComRef<IUnknown> answer;
  Check(SUCCEEDED(object->QueryInterface(ToGUID(info.interfaceId), answer.ReceiveVoid())),
        where + ": answers to its default interface");
  for (const InterfaceInfo& alias : info.aliases) {
    Check(SUCCEEDED(object->QueryInterface(ToGUID(alias.iid), answer.ReceiveVoid())),
          where + ": answers to " + Utf8(alias.name));
  }
  const ClassInfo& other = glyphwright::PublicClasses()[&info == &glyphwright::PublicClasses()[0]];
  Check(object->QueryInterface(ToGUID(other.interfaceId), answer.ReceiveVoid()) == E_NOINTERFACE,
        where + ": not to " + Utf8(other.InterfaceName()));
  ComRef<ISupportErrorInfo> errors;
  if (Check(SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, errors.ReceiveVoid())),
            where + ": ISupportErrorInfo")) {
    CheckHresult(errors->InterfaceSupportsErrorInfo(ToGUID(info.interfaceId)), S_OK,
                 where + ": errors of its interface");
  }
}

}  // namespace

void CheckTypeLibrary() {
  Section("type library");
  ComRef<ITypeLib> library;
  const HRESULT loaded = LoadRegTypeLib(ToGUID(kLibrary.libid), kLibrary.majorVersion,
                                        kLibrary.minorVersion, kLibrary.locale, library.Receive());
  if (!CheckHresult(loaded, S_OK, "the registered type library loads")) return;
  TLIBATTR* attributes = nullptr;
  library->GetLibAttr(&attributes);
  Check(IsEqualGUID(attributes->guid, ToGUID(kLibrary.libid)), "LIBID");
  CheckEqual(attributes->wMajorVerNum, kLibrary.majorVersion, "major version");
  CheckEqual(attributes->wMinorVerNum, kLibrary.minorVersion, "minor version");
  CheckEqual(attributes->lcid, kLibrary.locale, "locale");
  library->ReleaseTLibAttr(attributes);
  BSTR name = nullptr;
  BSTR help = nullptr;
  library->GetDocumentation(-1, &name, &help, nullptr, nullptr);
  CheckEqual(FromWide(name), kLibrary.name, "library name");
  CheckEqual(FromWide(help), kLibrary.helpString, "library help string");
  SysFreeString(name);
  SysFreeString(help);

  std::size_t types = 0;
  for (const ClassInfo& info : glyphwright::PublicClasses()) {
    types += 2 + info.aliases.size();
    CheckClass(library.get(), info);
  }
  CheckEqual(library->GetTypeInfoCount(), static_cast<int64_t>(types),
             "a coclass and an interface a class, and the aliases");

  for (const ClassInfo& info : glyphwright::PublicClasses()) CheckObject(info);

  // A call made with the identifier the type library gives, as an early-bound client makes it.
  ComRef<ITypeInfo> ionInterface;
  library->GetTypeInfoOfGuid(ToGUID(glyphwright::FindClass(u"IonFormulaQuery")->interfaceId),
                             ionInterface.Receive());
  wchar_t getCommands[] = L"GetCommands";
  LPOLESTR lookup[] = {getCommands};
  MEMBERID id = MEMBERID_NIL;
  ionInterface->GetIDsOfNames(lookup, 1, &id);
  const ComRef<IDispatch> ion = Create(L"Glyphwright.IonFormulaQuery");
  const Outcome outcome = Invoke(ion.get(), id, DISPATCH_METHOD, {Text(L"SO42-")});
  CheckHresult(outcome.hr, S_OK, "GetCommands by the type library's identifier");
  CheckEqual(TextOf(*outcome.result),
             Lines({u"=2", u"=2", u"Subscript", u"=3", u"=2", u"Superscript"}), "SO42-");
}

}  // namespace client
