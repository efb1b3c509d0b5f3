// The client's side of automation: objects made by ProgID, calls by name with VARIANT arguments
// in call order, and what a call answered (its result, HRESULT and EXCEPINFO).
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "com_ref.h"

namespace client {

using glyphwright::com::ComRef;

// A VARIANT that clears itself.
class Var {
 public:
  Var() { VariantInit(&value_); }
  explicit Var(const VARIANT& value) {
    VariantInit(&value_);
    VariantCopy(&value_, const_cast<VARIANT*>(&value));
  }
  ~Var() { VariantClear(&value_); }
  Var(const Var& other) : Var(other.value_) {}
  Var& operator=(const Var& other) {
    if (this != &other) VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
    return *this;
  }

  VARIANT* get() { return &value_; }
  const VARIANT& operator*() const { return value_; }
  VARTYPE Type() const { return V_VT(&value_); }

 private:
  VARIANT value_;
};

Var Text(std::wstring_view text);
Var Long(int32_t value);
Var Double(double value);
Var Bool(bool value);
Var Object(IDispatch* object);
// The placeholder of a left-out argument.
Var Missing();
// A by-reference argument pointing at target, which the caller keeps alive.
Var RefTo(VARIANT* target);
Var RefTo(BSTR* target);
Var RefTo(LONG* target);

// The text of a VARIANT (through VariantChangeType; a reference is followed).
std::u16string TextOf(const VARIANT& value);

struct Outcome {
  HRESULT hr = E_FAIL;
  Var result;
  SCODE scode = 0;
  std::u16string source;
  std::u16string description;
  std::u16string helpFile;
  DWORD helpContext = 0;
};

// A new object of the class registered under progId; a null reference when it cannot be made.
ComRef<IDispatch> Create(const wchar_t* progId);

DISPID IdOf(IDispatch* object, const wchar_t* name);

// Calls a member by dispatch id or name, arguments in call order (a put's value last, passed as
// DISPID_PROPERTYPUT). Without excepInfo the error comes only as the HRESULT and error object.
Outcome Invoke(IDispatch* object, DISPID id, WORD flags, std::vector<Var> args,
               bool withExcepInfo = true);
Outcome Call(IDispatch* object, const wchar_t* name, std::vector<Var> args = {});
Outcome Get(IDispatch* object, const wchar_t* name);
Outcome Put(IDispatch* object, const wchar_t* name, Var value);
Outcome PutRef(IDispatch* object, const wchar_t* name, IDispatch* value);

// "=2\n=2\nSubscript\n" from {"=2", "=2", "Subscript"}.
std::u16string Lines(std::initializer_list<std::u16string_view> lines);

}  // namespace client
