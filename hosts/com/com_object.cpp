#include "com_object.h"

#include <oleauto.h>

#include "com_errors.h"
#include "com_ref.h"
#include "com_variant.h"
#include "dispatch_arguments.h"
#include "host_dispatch.h"
#include "object_bridge.h"
#include "own_type_library.h"
#include "text/case_fold.h"
#include "wide_text.h"

namespace glyphwright::com {
namespace {

// The first of this thread's live objects; trivially destructible, so a thread that ends or a DLL
// that unloads has nothing to clean up.
thread_local ComObject* firstLive = nullptr;

bool IsRead(InvokeKind kind) {
  return kind == InvokeKind::Method || kind == InvokeKind::PropertyGet;
}

bool IsPut(InvokeKind kind) {
  return kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef;
}

// The value a put assigns: the argument named DISPID_PROPERTYPUT, else the last one.
const VARIANT* PutValue(const DISPPARAMS& params) {
  if (params.cArgs == 0 || params.rgvarg == nullptr) return nullptr;
  for (UINT i = 0; i < params.cNamedArgs && params.rgdispidNamedArgs != nullptr; ++i) {
    if (params.rgdispidNamedArgs[i] == DISPID_PROPERTYPUT) return &params.rgvarg[i];
  }
  return &params.rgvarg[0];
}

bool IsObjectValue(const VARIANT* value) {
  if (value == nullptr) return false;
  if (V_VT(value) == (VT_BYREF | VT_VARIANT)) return IsObjectValue(V_VARIANTREF(value));
  const VARTYPE type = static_cast<VARTYPE>(V_VT(value) & ~VT_BYREF);
  return type == VT_DISPATCH || type == VT_UNKNOWN;
}

}  // namespace

ComObject::ComObject(DispatchRef object, const ClassInfo* info)
    : object_(std::move(object)),
      info_(info),
      rows_(info != nullptr ? info->members() : MemberTable()) {
  nextLive_ = firstLive;
  if (nextLive_ != nullptr) nextLive_->previousLive_ = this;
  firstLive = this;
}

ComObject::~ComObject() {
  if (previousLive_ != nullptr) {
    previousLive_->nextLive_ = nextLive_;
  } else {
    firstLive = nextLive_;
  }
  if (nextLive_ != nullptr) nextLive_->previousLive_ = previousLive_;
}

ComObject* ComObject::Recognise(IDispatch* dispatch) {
  for (ComObject* live = firstLive; live != nullptr; live = live->nextLive_) {
    if (static_cast<IDispatch*>(live) == dispatch) return live;
  }
  return nullptr;
}

HRESULT ComObject::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (AnswersTo(iid)) {
    *object = static_cast<IDispatch*>(this);
  } else if (IsEqualIID(iid, IID_ISupportErrorInfo)) {
    *object = static_cast<ISupportErrorInfo*>(this);
  } else if (IsEqualIID(iid, IID_IProvideClassInfo) && info_ != nullptr) {
    *object = static_cast<IProvideClassInfo*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG ComObject::AddRef() {
  return references_.fetch_add(1, std::memory_order_relaxed) + 1;
}

ULONG ComObject::Release() {
  const ULONG left = references_.fetch_sub(1, std::memory_order_acq_rel) - 1;
  if (left == 0) delete this;
  return left;
}

HRESULT ComObject::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = info_ != nullptr ? 1 : 0;
  return S_OK;
}

HRESULT ComObject::GetTypeInfo(UINT index, LCID, ITypeInfo** typeInfo) {
  if (typeInfo == nullptr) return E_POINTER;
  *typeInfo = nullptr;
  if (index != 0 || info_ == nullptr) return DISP_E_BADINDEX;
  ComRef<ITypeLib> library;
  const HRESULT hr = LoadOwnTypeLibrary(library.Receive());
  if (FAILED(hr)) return hr;
  return library->GetTypeInfoOfGuid(ToGUID(info_->interfaceId), typeInfo);
}

HRESULT ComObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (count == 0) return S_OK;
  if (names == nullptr || ids == nullptr) return E_POINTER;
  try {
    // The member first, then the names of its parameters, numbered from 0 in call order.
    const DispId member = object_->GetIDsOfNames(FromWide(names[0]));
    ids[0] = member;
    bool allKnown = member != kUnknownDispId;
    for (UINT i = 1; i < count; ++i) {
      ids[i] = DISPID_UNKNOWN;
      if (member == kUnknownDispId) continue;
      const std::u16string name = FromWide(names[i]);
      for (const MemberRow& row : rows_) {
        if (row.id != member || ids[i] != DISPID_UNKNOWN) continue;
        for (std::size_t p = 0; p < row.params().size(); ++p) {
          if (EqualsIgnoringCase(row.params()[p].name, name)) {
            ids[i] = static_cast<DISPID>(p);
            break;
          }
        }
      }
      if (ids[i] == DISPID_UNKNOWN) allKnown = false;
    }
    return allKnown ? S_OK : DISP_E_UNKNOWNNAME;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

HRESULT ComObject::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                          VARIANT* result, EXCEPINFO* excepInfo, UINT*) {
  if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  // The call may release the caller's last reference to this object or replace what it holds.
  const ComRef<ComObject> keepAlive(this);
  const DispatchRef object = object_;
  const DISPPARAMS noArguments{};
  const DISPPARAMS& given = params != nullptr ? *params : noArguments;

  InvokeKind kind = InvokeKind::Method;
  const bool put = (flags & DISPATCH_PROPERTYPUT) != 0;
  const bool putRef = (flags & DISPATCH_PROPERTYPUTREF) != 0;
  if (put || putRef) {
    const bool objectValue = IsObjectValue(PutValue(given));
    kind = putRef && (objectValue || !put) ? InvokeKind::PropertyPutRef : InvokeKind::PropertyPut;
    // JScript assigns an object with a plain put: a property set by reference takes it as well.
    // A caller that offers both kinds gets the one the property has.
    if (info_ != nullptr && FindRow(id, kind) == nullptr) {
      if (kind == InvokeKind::PropertyPut && objectValue &&
          FindRow(id, InvokeKind::PropertyPutRef) != nullptr) {
        kind = InvokeKind::PropertyPutRef;
      } else if (kind == InvokeKind::PropertyPutRef && put &&
                 FindRow(id, InvokeKind::PropertyPut) != nullptr) {
        kind = InvokeKind::PropertyPut;
      }
    }
  } else if ((flags & DISPATCH_METHOD) != 0) {
    kind = InvokeKind::Method;
  } else if ((flags & DISPATCH_PROPERTYGET) != 0) {
    kind = InvokeKind::PropertyGet;
  } else {
    return DISP_E_MEMBERNOTFOUND;
  }

  const MemberRow* row = nullptr;
  if (info_ != nullptr) {
    row = FindRow(id, kind);
    if (row == nullptr) return DISP_E_MEMBERNOTFOUND;
  }
  if (result != nullptr) VariantInit(result);
  try {
    const DispatchArguments arguments(given, IsPut(kind), row);
    const Variant answer = object->Invoke(id, kind, arguments.Get());
    arguments.WriteBack();
    if (result != nullptr) ToVARIANT(answer, result);
    return S_OK;
  } catch (...) {
    if (result != nullptr) VariantClear(result);
    return ReportError(CurrentError(), ErrorInterface(), excepInfo);
  }
}

HRESULT ComObject::InterfaceSupportsErrorInfo(REFIID iid) {
  return AnswersTo(iid) && !IsEqualIID(iid, IID_IUnknown) ? S_OK : S_FALSE;
}

HRESULT ComObject::GetClassInfo(ITypeInfo** typeInfo) {
  if (typeInfo == nullptr) return E_POINTER;
  *typeInfo = nullptr;
  if (info_ == nullptr) return E_NOTIMPL;
  ComRef<ITypeLib> library;
  const HRESULT hr = LoadOwnTypeLibrary(library.Receive());
  if (FAILED(hr)) return hr;
  return library->GetTypeInfoOfGuid(ToGUID(info_->clsid), typeInfo);
}

const MemberRow* ComObject::FindRow(DISPID id, InvokeKind kind) const {
  for (const MemberRow& row : rows_) {
    if (row.id == id && (row.kind == kind || (IsRead(row.kind) && IsRead(kind)))) return &row;
  }
  return nullptr;
}

bool ComObject::AnswersTo(REFIID iid) const {
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) return true;
  return info_ != nullptr && glyphwright::AnswersTo(*info_, FromGUID(iid));
}

GUID ComObject::ErrorInterface() const {
  return info_ != nullptr ? ToGUID(info_->interfaceId) : IID_IDispatch;
}

OwnObjectRef::OwnObjectRef(ComObject* object) : wrapper_(object) {
  wrapper_->AddRef();
}

OwnObjectRef::~OwnObjectRef() {
  wrapper_->Release();
}

DispId OwnObjectRef::GetIDsOfNames(std::u16string_view name) {
  return wrapper_->Object()->GetIDsOfNames(name);
}

Variant OwnObjectRef::Invoke(DispId id, InvokeKind kind, Arguments args) {
  const ComRef<ComObject> keepAlive(wrapper_);
  const DispatchRef object = wrapper_->Object();
  return object->Invoke(id, kind, args);
}

DispatchRef DispatchFromCom(IDispatch* object) {
  if (object == nullptr) return {};
  if (ComObject* own = ComObject::Recognise(object)) return std::make_shared<OwnObjectRef>(own);
  return std::make_shared<HostDispatch>(object);
}

IDispatch* ComFromDispatch(const DispatchRef& object) {
  if (!object) return nullptr;
  IDispatch* dispatch = nullptr;
  if (const auto* own = dynamic_cast<const OwnObjectRef*>(object.get())) {
    dispatch = own->Wrapper();
  } else if (const auto* host = dynamic_cast<const HostDispatch*>(object.get())) {
    dispatch = host->Interface();
  } else {
    // An object of the library going out for the first time: no class describes it here.
    return new ComObject(object, nullptr);
  }
  dispatch->AddRef();
  return dispatch;
}

}  // namespace glyphwright::com
