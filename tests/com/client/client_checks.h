// The groups of checks the client runs, each in its own file.
#pragma once

#include <string>

namespace client {

// The path of Quillet.dll as it is registered; "" when it is not.
std::wstring RegisteredDllPath();

void CheckVersionResource();
void CheckTypeLibrary();
void CheckErrors();
void CheckArguments();
void CheckSpecialFolders();
void CheckPrefixFiles();
void CheckUnload();
void CheckUnloadAfterThreads();
void CheckRegistration(bool registered);

}  // namespace client
