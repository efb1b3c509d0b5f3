// Errors across the COM boundary, both ways. An AutomationError leaves as automation clients read
// errors: the thread's error object (SetErrorInfo) with source, description, help file and help
// context, the same in EXCEPINFO when the caller passed one, and the HRESULT 0x800A0000 | number
// (FACILITY_CONTROL), from which Visual Basic and VBScript take the number back, so error 1
// reaches a script as Err.Number 1. A host's failure arrives in the same forms and becomes an
// AutomationError with the host's number and texts.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <cstdint>
#include <string>

#include "automation/automation_error.h"
#include "automation/run_time_errors.h"

namespace glyphwright::com {

// The HRESULT of an error number: FACILITY_CONTROL for 1 to 65535; a number that is itself a
// failing HRESULT (kept from a host) stays as it is.
HRESULT HresultOfError(int32_t number);

// The error number of a failing HRESULT: the number inside a FACILITY_CONTROL code, the run
// time's number for the dispatch codes it translates (DISP_E_TYPEMISMATCH is 13 ...), otherwise
// the HRESULT itself, as Visual Basic shows it.
int32_t ErrorNumberOf(HRESULT hr);

// The error that the exception in flight stands for; call it inside a catch block. An
// AutomationError as it is, std::bad_alloc as 7 "Out of memory", anything else as 51 "Internal
// error".
AutomationError CurrentError();

// Reports an error to the caller of one of our interfaces: sets the thread's error object, fills
// excepInfo when given and returns what Invoke returns (DISP_E_EXCEPTION with excepInfo, the
// error's HRESULT without).
HRESULT ReportError(const AutomationError& error, const GUID& interfaceId, EXCEPINFO* excepInfo);

// The error a host's call failed with: from its EXCEPINFO after DISP_E_EXCEPTION (filled in first
// when the host deferred that), else from the error object of a host that offers one, else from
// the bare HRESULT. Frees the strings of excepInfo.
AutomationError ErrorFromHost(HRESULT hr, EXCEPINFO& excepInfo, IUnknown* host);

}  // namespace glyphwright::com
