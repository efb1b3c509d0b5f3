// glyphwright-com-client: a C++ automation client of Quillet.dll, run under Wine by
// tests/com/run-wine-tests, for what a VBScript cannot show: EXCEPINFO texts from a host, any type
// in the runner's by-reference registers, the type library against the member tables, unloading,
// the prefix file in the Windows folders.
//   glyphwright-com-client automation     the checks of a registered DLL
//   glyphwright-com-client unload         the DLL unloads once nothing holds it
//   glyphwright-com-client registered     every registry key registration writes is there
//   glyphwright-com-client unregistered   none of them is left
#include <windows.h>

#include <objbase.h>

#include <cstdio>
#include <string>

#include "checks.h"
#include "client_checks.h"

int main(int argc, char** argv) {
  const std::string mode = argc == 2 ? argv[1] : "";
  if (mode != "automation" && mode != "unload" && mode != "registered" && mode != "unregistered") {
    std::fprintf(stderr,
                 "usage: glyphwright-com-client automation|unload|registered|unregistered\n");
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (mode == "automation") {
    client::CheckVersionResource();
    client::CheckTypeLibrary();
    client::CheckErrors();
    client::CheckArguments();
    client::CheckSpecialFolders();
    client::CheckPrefixFiles();
    client::CheckUnload();
  } else if (mode == "unload") {
    client::CheckUnloadAfterThreads();
  } else {
    client::CheckRegistration(mode == "registered");
  }
  CoUninitialize();
  std::printf("client %s: %d checks, %d failed\n", mode.c_str(), client::Checks(),
              client::Failures());
  std::printf("GLYPHWRIGHT-CLIENT-END\n");
  return client::Failures();
}
