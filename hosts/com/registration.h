// Self-registration. For every public class: CLSID\{clsid} with InprocServer32 (the DLL's path,
// ThreadingModel Apartment), ProgID and TypeLib; the ProgID with its CLSID; the type library
// (which registers the default interfaces); and Interface\{iid} for each earlier interface
// identifier a class answers to, so it can be marshalled like the default one. Unregistration
// removes all of it.
//
// Machine: under HKEY_LOCAL_MACHINE\Software\Classes (regsvr32, needs administrator rights).
// User: under HKEY_CURRENT_USER\Software\Classes (regsvr32 /n /i:user), for one user, no rights
// needed.
#pragma once

#include <windows.h>

namespace glyphwright::com {

enum class RegistrationScope { Machine, User };

// Writes every key; on a failure, removes what was written and answers the failure.
HRESULT RegisterServer(RegistrationScope scope);
// Removes every key; keys already missing are no failure.
HRESULT UnregisterServer(RegistrationScope scope);

}  // namespace glyphwright::com
