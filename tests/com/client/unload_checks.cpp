// DllCanUnloadNow counts live objects, class objects and server locks. When it says S_OK, COM
// frees the DLL; the C++ run time keeps it loaded while a thread that used the library lives (the
// per-thread state of the library has destructors, which must run at the thread's end), so it
// unloads once those threads have ended, and loads again for the next object.
#include <windows.h>

#include <objbase.h>

#include <thread>

#include "automation.h"
#include "checks.h"
#include "client_checks.h"
#include "component/class_registry.h"
#include "host_object.h"
#include "wide_text.h"

namespace client {
namespace {

using CanUnload = HRESULT(STDAPICALLTYPE*)();

CanUnload CanUnloadNowOf(HMODULE dll) {
  return reinterpret_cast<CanUnload>(
      reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow")));
}

const std::u16string kFe3 = Lines({u"=2", u"=1", u"Subscript", u"=2", u"=2", u"Superscript"});

std::u16string IonScript(const wchar_t* text) {
  const ComRef<IDispatch> ion = Create(L"Glyphwright.IonFormulaQuery");
  if (!ion) return u"no object";
  return TextOf(*Call(ion.get(), L"GetCommands", {Text(text)}).result);
}

}  // namespace

void CheckUnload() {
  Section("unload");
  const HMODULE dll = GetModuleHandleW(L"Quillet.dll");
  if (!Check(dll != nullptr, "Quillet.dll is loaded")) return;
  const CanUnload canUnloadNow = CanUnloadNowOf(dll);
  if (!Check(canUnloadNow != nullptr, "DllCanUnloadNow is exported")) return;
  CheckHresult(canUnloadNow(), S_OK, "every object of the earlier checks is released");

  {
    const ComRef<IDispatch> runner = Create(L"Glyphwright.CommandRunner");
    CheckHresult(canUnloadNow(), S_FALSE, "an object is alive");
    // Objects holding each other, and a host object held by one of ours.
    const ComRef<IDispatch> digits = Create(L"Glyphwright.ChemRDigitQuery");
    const auto host = ComRef<HostObject>::Adopt(new HostObject());
    PutRef(runner.get(), L"Executer", digits.get());
    PutRef(digits.get(), L"FontListener", host.get());
    CheckEqual(host->References(), 2, "the query holds the host's object");
    PutRef(digits.get(), L"FontListener", nullptr);
    CheckEqual(host->References(), 1, "and lets it go");
  }
  CheckHresult(canUnloadNow(), S_OK, "all released");

  const CLSID clsid = glyphwright::com::ToGUID(glyphwright::PublicClasses().front().clsid);
  ComRef<IClassFactory> factory;
  CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.ReceiveVoid());
  if (Check(static_cast<bool>(factory), "a class object")) {
    CheckHresult(canUnloadNow(), S_FALSE, "a class object is alive");
    factory->LockServer(TRUE);
    factory = ComRef<IClassFactory>();
    CheckHresult(canUnloadNow(), S_FALSE, "a server lock");
    CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                     factory.ReceiveVoid());
    factory->LockServer(FALSE);
    factory = ComRef<IClassFactory>();
    CheckHresult(canUnloadNow(), S_OK, "the lock released");
  }

  // This thread holds per-thread state of the library: COM frees the DLL, which stays loaded
  // for this thread and goes on working.
  CoFreeUnusedLibrariesEx(0, 0);
  Check(GetModuleHandleW(L"Quillet.dll") != nullptr,
        "the DLL stays loaded while a thread that used it lives");
  CheckEqual(IonScript(L"Fe3+"), kFe3, "and goes on working");
}

void CheckUnloadAfterThreads() {
  Section("unload after the threads");
  // This thread makes an object (loading the DLL in its apartment) but calls nothing; another
  // thread uses the library and ends.
  ComRef<IDispatch> held = Create(L"Glyphwright.IonFormulaQuery");
  const HMODULE dll = GetModuleHandleW(L"Quillet.dll");
  if (!Check(dll != nullptr && held, "Quillet.dll is loaded")) return;
  const CanUnload canUnloadNow = CanUnloadNowOf(dll);
  std::u16string answer;
  std::thread([&] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    answer = IonScript(L"Fe3+");
    CoUninitialize();
  }).join();
  CheckEqual(answer, kFe3, "a thread used the library");
  CheckHresult(canUnloadNow(), S_FALSE, "an object is alive");
  held = ComRef<IDispatch>();
  CheckHresult(canUnloadNow(), S_OK, "nothing is alive");
  CoFreeUnusedLibrariesEx(0, 0);
  Check(GetModuleHandleW(L"Quillet.dll") == nullptr, "COM unloads the DLL");
  CheckEqual(IonScript(L"Fe3+"), kFe3, "it loads again and works");
}

}  // namespace client
