#include "com_errors.h"

#include <oleauto.h>

#include <new>

#include "com_ref.h"
#include "wide_text.h"

namespace glyphwright::com {
namespace {

// The dispatch failures that automation clients report under the run time's numbers.
struct TranslatedHresult {
  HRESULT hr;
  int32_t number;
};

constexpr TranslatedHresult kTranslatedHresults[] = {
    {DISP_E_UNKNOWNNAME, 438},
    {DISP_E_MEMBERNOTFOUND, 438},
    {DISP_E_TYPEMISMATCH, 13},
    {DISP_E_BADPARAMCOUNT, 450},
    {DISP_E_PARAMNOTOPTIONAL, 449},
    {DISP_E_PARAMNOTFOUND, 448},
    {DISP_E_OVERFLOW, 6},
    {DISP_E_BADINDEX, 9},
    {DISP_E_DIVBYZERO, 11},
    {DISP_E_EXCEPTION, 440},
    {E_OUTOFMEMORY, 7},
    {E_INVALIDARG, 5},
    {E_NOINTERFACE, 430},
};

constexpr int32_t kFirstOwnNumber = 1;
constexpr int32_t kLastOwnNumber = 0xFFFF;

std::u16string TakeBstr(BSTR& text) {
  std::u16string result = FromBstr(text);
  SysFreeString(text);
  text = nullptr;
  return result;
}

// The error object a host left for this thread, when it says it keeps one for IDispatch.
bool ReadErrorObject(IUnknown* host, int32_t number, AutomationError& error) {
  if (host == nullptr) return false;
  ComRef<ISupportErrorInfo> support;
  if (FAILED(host->QueryInterface(IID_ISupportErrorInfo, support.ReceiveVoid())) ||
      support->InterfaceSupportsErrorInfo(IID_IDispatch) != S_OK) {
    return false;
  }
  ComRef<IErrorInfo> info;
  if (GetErrorInfo(0, info.Receive()) != S_OK || !info) return false;
  BSTR source = nullptr;
  BSTR description = nullptr;
  BSTR helpFile = nullptr;
  DWORD helpContext = 0;
  info->GetSource(&source);
  info->GetDescription(&description);
  info->GetHelpFile(&helpFile);
  info->GetHelpContext(&helpContext);
  std::u16string text = TakeBstr(description);
  if (text.empty()) text = StandardErrorText(number);
  error = AutomationError(number, std::move(text), TakeBstr(source), TakeBstr(helpFile),
                          static_cast<int32_t>(helpContext));
  return true;
}

}  // namespace

HRESULT HresultOfError(int32_t number) {
  if (number >= kFirstOwnNumber && number <= kLastOwnNumber) {
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, static_cast<uint32_t>(number));
  }
  if (number < 0) return static_cast<HRESULT>(number);
  return E_FAIL;
}

int32_t ErrorNumberOf(HRESULT hr) {
  if (HRESULT_FACILITY(hr) == FACILITY_CONTROL && HRESULT_CODE(hr) != 0) return HRESULT_CODE(hr);
  for (const TranslatedHresult& translated : kTranslatedHresults) {
    if (translated.hr == hr) return translated.number;
  }
  return static_cast<int32_t>(hr);
}

AutomationError CurrentError() {
  try {
    throw;
  } catch (const AutomationError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return errors::OutOfMemory();
  } catch (...) {
    return errors::RunTime(51);
  }
}

HRESULT ReportError(const AutomationError& error, const GUID& interfaceId, EXCEPINFO* excepInfo) {
  const HRESULT hr = HresultOfError(error.Number());
  try {
    ComRef<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(create.Receive()))) {
      create->SetGUID(interfaceId);
      create->SetSource(ToWide(error.Source()).data());
      create->SetDescription(ToWide(error.Description()).data());
      create->SetHelpFile(ToWide(error.HelpFile()).data());
      create->SetHelpContext(static_cast<DWORD>(error.HelpContext()));
      ComRef<IErrorInfo> info;
      if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, info.ReceiveVoid()))) {
        SetErrorInfo(0, info.get());
      }
    }
    if (excepInfo == nullptr) return hr;
    *excepInfo = EXCEPINFO{};
    excepInfo->scode = hr;
    excepInfo->bstrSource = ToBstr(error.Source());
    excepInfo->bstrDescription = ToBstr(error.Description());
    excepInfo->bstrHelpFile = ToBstr(error.HelpFile());
    excepInfo->dwHelpContext = static_cast<DWORD>(error.HelpContext());
    return DISP_E_EXCEPTION;
  } catch (const std::bad_alloc&) {
    // No room for the texts: the number alone still reaches the caller.
    if (excepInfo != nullptr) {
      SysFreeString(excepInfo->bstrSource);
      SysFreeString(excepInfo->bstrDescription);
      SysFreeString(excepInfo->bstrHelpFile);
      *excepInfo = EXCEPINFO{};
    }
    return hr;
  }
}

AutomationError ErrorFromHost(HRESULT hr, EXCEPINFO& excepInfo, IUnknown* host) {
  if (hr == DISP_E_EXCEPTION) {
    if (excepInfo.pfnDeferredFillIn != nullptr) {
      excepInfo.pfnDeferredFillIn(&excepInfo);
      excepInfo.pfnDeferredFillIn = nullptr;
    }
    int32_t number = 440;  // an exception that says nothing more
    if (excepInfo.scode != 0) {
      number = ErrorNumberOf(excepInfo.scode);
    } else if (excepInfo.wCode != 0) {
      number = excepInfo.wCode;
    }
    std::u16string description = TakeBstr(excepInfo.bstrDescription);
    if (description.empty()) description = StandardErrorText(number);
    return {number, std::move(description), TakeBstr(excepInfo.bstrSource),
            TakeBstr(excepInfo.bstrHelpFile), static_cast<int32_t>(excepInfo.dwHelpContext)};
  }
  SysFreeString(excepInfo.bstrSource);
  SysFreeString(excepInfo.bstrDescription);
  SysFreeString(excepInfo.bstrHelpFile);
  excepInfo = EXCEPINFO{};

  const int32_t number = ErrorNumberOf(hr);
  if (number == 438) return errors::NotSupported();
  AutomationError error(number, std::u16string(StandardErrorText(number)), u"");
  ReadErrorObject(host, number, error);
  return error;
}

}  // namespace glyphwright::com
