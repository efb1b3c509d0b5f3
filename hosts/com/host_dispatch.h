// HostDispatch: an IDispatch of the host (a runner's Executer, a digit query's FontListener) as
// the library's Dispatch, called by name.
//
// Names: IDispatch::GetIDsOfNames, and when the object cannot answer that (Wine's VBScript
// objects say E_NOTIMPL), IDispatchEx::GetDispID ignoring case. Arguments: in reverse order, each
// by reference as VT_BYREF | VT_VARIANT, so the host may write back (the runner's registers and
// the listener's Value rely on it); a value it changed is copied back into the caller's Variant,
// also when the call then fails. A property put passes its value by value as DISPID_PROPERTYPUT.
// Errors: see ErrorFromHost; an unknown member is 438.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include "automation/dispatch.h"
#include "com_ref.h"

namespace glyphwright::com {

class HostDispatch final : public Dispatch {
 public:
  explicit HostDispatch(IDispatch* host) : host_(host) {}

  IDispatch* Interface() const { return host_.get(); }

  DispId GetIDsOfNames(std::u16string_view name) override;
  Variant Invoke(DispId id, InvokeKind kind, Arguments args) override;

 private:
  ComRef<IDispatch> host_;
};

}  // namespace glyphwright::com
