// ComObject: one object of the library as automation clients on Windows see it. IDispatch runs on
// the object's member table (the same table as every other binding, so names, dispatch
// identifiers, argument coercion and errors are the library's own); GetTypeInfo answers from the
// type library inside the DLL, which is written from the same tables, and IProvideClassInfo names
// the class (Visual Basic's TypeName). ISupportErrorInfo says that errors come with an error
// object.
//
// Objects are used in the apartment that made them. Each apartment thread keeps a list of its
// live ComObjects, so that an IDispatch coming back to us is recognised as ours by its address
// (an interface it answers to would not tell a proxy from the object).
#pragma once

#include <windows.h>

#include <oaidl.h>
#include <ocidl.h>

#include <atomic>

#include "automation/dispatch.h"
#include "component/class_info.h"
#include "server_locks.h"

namespace glyphwright::com {

class ComObject final : public IDispatch, public ISupportErrorInfo, public IProvideClassInfo {
 public:
  // info describes the object's class; null for an object that no public class describes (it
  // then has no type information). Starts with one reference, the caller's.
  ComObject(DispatchRef object, const ClassInfo* info);
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  // The ComObject behind an IDispatch of this thread's, or nullptr for any other object.
  static ComObject* Recognise(IDispatch* dispatch);

  const DispatchRef& Object() const { return object_; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                   UINT* argumentError) override;

  // ISupportErrorInfo
  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

  // IProvideClassInfo
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** typeInfo) override;

 private:
  ~ComObject();

  const MemberRow* FindRow(DISPID id, InvokeKind kind) const;
  bool AnswersTo(REFIID iid) const;
  GUID ErrorInterface() const;

  std::atomic<ULONG> references_{1};
  ServerLock serverLock_;
  DispatchRef object_;
  const ClassInfo* info_;
  MemberTable rows_;
  // This thread's list of live objects.
  ComObject* previousLive_ = nullptr;
  ComObject* nextLive_ = nullptr;
};

// A Dispatch for one of our own objects that came back from the host: calls go straight to the
// object, and the reference it holds keeps the very IDispatch the host saw.
class OwnObjectRef final : public Dispatch {
 public:
  explicit OwnObjectRef(ComObject* object);
  ~OwnObjectRef() override;
  OwnObjectRef(const OwnObjectRef&) = delete;
  OwnObjectRef& operator=(const OwnObjectRef&) = delete;

  ComObject* Wrapper() const { return wrapper_; }

  DispId GetIDsOfNames(std::u16string_view name) override;
  Variant Invoke(DispId id, InvokeKind kind, Arguments args) override;

 private:
  ComObject* wrapper_;
};

}  // namespace glyphwright::com
