// Errors both ways, as an automation client reads them: ours in EXCEPINFO and the error object
// with FACILITY_CONTROL numbers; a host's, however it raised it, passed on by the runner with the
// host's number, source, description, help file and help context.
#include <windows.h>

#include <oleauto.h>

#include <functional>

#include "automation.h"
#include "checks.h"
#include "client_checks.h"
#include "component/class_registry.h"
#include "host_object.h"
#include "wide_text.h"

namespace client {
namespace {

HRESULT STDAPICALLTYPE FillInLater(EXCEPINFO* excepInfo) {
  excepInfo->scode = 0x800A03E9;
  excepInfo->bstrSource = SysAllocString(L"Deferred");
  excepInfo->bstrDescription = SysAllocString(L"Filled in later.");
  return S_OK;
}

struct HostFailure {
  const char* what;
  bool supportsErrorInfo;
  std::function<HRESULT(EXCEPINFO*)> fail;
  SCODE scode;
  std::u16string source;
  std::u16string description;
  std::u16string helpFile;
  DWORD helpContext;
};

void SetErrorObject(const wchar_t* source, const wchar_t* description) {
  ComRef<ICreateErrorInfo> create;
  CreateErrorInfo(create.Receive());
  create->SetSource(const_cast<LPOLESTR>(source));
  create->SetDescription(const_cast<LPOLESTR>(description));
  create->SetHelpFile(const_cast<LPOLESTR>(L"object.chm"));
  create->SetHelpContext(7);
  ComRef<IErrorInfo> info;
  create->QueryInterface(IID_IErrorInfo, info.ReceiveVoid());
  SetErrorInfo(0, info.get());
}

const HostFailure kHostFailures[] = {
    {"EXCEPINFO with scode", false,
     [](EXCEPINFO* e) {
       Raise(e, 0x800A03E8, L"Host", L"Host description.", L"host.chm", 42);
       return DISP_E_EXCEPTION;
     },
     static_cast<SCODE>(0x800A03E8), u"Host", u"Host description.", u"host.chm", 42},
    {"EXCEPINFO filled in later", false,
     [](EXCEPINFO* e) {
       *e = EXCEPINFO{};
       e->pfnDeferredFillIn = &FillInLater;
       return DISP_E_EXCEPTION;
     },
     static_cast<SCODE>(0x800A03E9), u"Deferred", u"Filled in later.", u"", 0},
    {"EXCEPINFO with wCode", false,
     [](EXCEPINFO* e) {
       Raise(e, 0, L"Old host", L"By wCode.");
       e->wCode = 1002;
       return DISP_E_EXCEPTION;
     },
     static_cast<SCODE>(0x800A03EA), u"Old host", u"By wCode.", u"", 0},
    {"EXCEPINFO with another facility", false,
     [](EXCEPINFO* e) {
       Raise(e, E_ACCESSDENIED, L"Host", L"Denied.");
       return DISP_E_EXCEPTION;
     },
     E_ACCESSDENIED, u"Host", u"Denied.", u"", 0},
    {"EXCEPINFO without a description", false,
     [](EXCEPINFO* e) {
       Raise(e, 0x800A000D, L"Host", L"");
       return DISP_E_EXCEPTION;
     },
     static_cast<SCODE>(0x800A000D), u"Host", u"Type mismatch", u"", 0},
    {"a bare FACILITY_CONTROL HRESULT", false, [](EXCEPINFO*) { return HRESULT(0x800A04D2); },
     static_cast<SCODE>(0x800A04D2), u"", u"Application-defined or object-defined error", u"", 0},
    {"a bare E_FAIL", false, [](EXCEPINFO*) { return E_FAIL; }, E_FAIL, u"", u"Automation error",
     u"", 0},
    {"an error object", true,
     [](EXCEPINFO*) {
       SetErrorObject(L"Error object", L"From the error object.");
       return HRESULT(0x800A0457);
     },
     static_cast<SCODE>(0x800A0457), u"Error object", u"From the error object.", u"object.chm", 7},
    {"a member it does not find", false, [](EXCEPINFO*) { return DISP_E_MEMBERNOTFOUND; },
     static_cast<SCODE>(0x800A01B6), u"Glyphwright",
     u"Object doesn't support this property or method", u"", 0},
};

HostObject* MakeHost(const HostFailure& failure) {
  auto* host = new HostObject();
  host->supportsErrorInfo = failure.supportsErrorInfo;
  host->On(L"QueryValue", [](std::vector<VARIANT*>& args, VARIANT* result, EXCEPINFO*) {
    return VariantCopyInd(result, args[0]);
  });
  host->On(L"SetSmall", [fail = failure.fail](std::vector<VARIANT*>&, VARIANT*, EXCEPINFO* e) {
    return fail(e);
  });
  return host;
}

}  // namespace

void CheckErrors() {
  Section("errors");
  // Our own error: EXCEPINFO and the error object, HRESULT 0x800A0000 | number.
  const ComRef<IDispatch> table = Create(L"Glyphwright.NMRSpecFormQuery");
  Outcome outcome = Call(table.get(), L"GetCommands", {Text(L"no peaks here")});
  CheckHresult(outcome.hr, DISP_E_EXCEPTION, "our error with EXCEPINFO");
  CheckHresult(outcome.scode, 0x800A0001, "error 1 in FACILITY_CONTROL");
  CheckEqual(outcome.source, u"Glyphwright", "our source");
  CheckEqual(outcome.description, u"Chemical shift is missing.", "our description");
  ComRef<IErrorInfo> info;
  if (Check(GetErrorInfo(0, info.Receive()) == S_OK && info, "an error object")) {
    BSTR description = nullptr;
    info->GetDescription(&description);
    CheckEqual(FromWide(description), u"Chemical shift is missing.", "the error object's text");
    SysFreeString(description);
    GUID interfaceId{};
    info->GetGUID(&interfaceId);
    Check(IsEqualGUID(interfaceId, glyphwright::com::ToGUID(
                                       glyphwright::FindClass(u"NMRSpecFormQuery")->interfaceId)),
          "the error object names the interface");
  }
  outcome = Invoke(table.get(), IdOf(table.get(), L"GetCommands"), DISPATCH_METHOD,
                   {Text(L"no peaks here")}, false);
  CheckHresult(outcome.hr, 0x800A0001, "without EXCEPINFO the HRESULT carries the number");

  // A host's error, raised every way a host raises one, reaches the runner's caller.
  for (const HostFailure& failure : kHostFailures) {
    const auto host = ComRef<HostObject>::Adopt(MakeHost(failure));
    const ComRef<IDispatch> runner = Create(L"Glyphwright.CommandRunner");
    PutRef(runner.get(), L"Executer", host.get());
    outcome = Call(runner.get(), L"Run", {Text(L"=1\n=2\nSmall\n=3\n=4\nSmall\n")});
    const std::string what = std::string("host error by ") + failure.what;
    CheckHresult(outcome.hr, DISP_E_EXCEPTION, what);
    CheckHresult(outcome.scode, failure.scode, what + ": number");
    CheckEqual(outcome.source, failure.source, what + ": source");
    CheckEqual(outcome.description, failure.description, what + ": description");
    CheckEqual(outcome.helpFile, failure.helpFile, what + ": help file");
    CheckEqual(outcome.helpContext, failure.helpContext, what + ": help context");
    CheckEqual(static_cast<int64_t>(host->calls.size()), 3, what + ": the run stopped");
    Put(runner.get(), L"IgnoreError", Bool(true));
    outcome = Call(runner.get(), L"Run", {Text(L"=1\n=2\nSmall\n=3\n=4\nSmall\n")});
    CheckHresult(outcome.hr, S_OK, what + ", ignored");
    CheckEqual(static_cast<int64_t>(host->calls.size()), 3 + 6,
               what + ", ignored: the run went on");
  }

  // A host that knows its names only through IDispatchEx, as Wine's VBScript objects do.
  const auto scripted = ComRef<HostObject>::Adopt(new HostObject());
  scripted->namesOnlyThroughDispatchEx = true;
  scripted->On(L"QueryValue", [](std::vector<VARIANT*>& args, VARIANT* result, EXCEPINFO*) {
    return VariantCopyInd(result, args[0]);
  });
  const ComRef<IDispatch> runner = Create(L"Glyphwright.CommandRunner");
  PutRef(runner.get(), L"Executer", scripted.get());
  outcome = Call(runner.get(), L"Run", {Text(L"=5\n")});
  CheckHresult(outcome.hr, S_OK, "names through IDispatchEx::GetDispID");
  CheckEqual(static_cast<int64_t>(scripted->calls.size()), 1, "QueryValue was called");
  outcome = Call(runner.get(), L"Run", {Text(L"=1\n=2\nSmall\n")});
  CheckHresult(outcome.scode, 0x800A01B6, "a name GetDispID does not know is 438");
  PutRef(runner.get(), L"Executer", nullptr);
}

}  // namespace client
