// Object references across the COM boundary. An IDispatch of the host becomes a Dispatch that
// calls it by name (HostDispatch); one of our own objects coming back stays our object and is
// called directly. Going out, each reference turns back into the very IDispatch it came from, so
// `runner.Executer Is host` holds in a script.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include "automation/variant.h"

namespace glyphwright::com {

// Nothing for a null pointer.
DispatchRef DispatchFromCom(IDispatch* object);

// A new reference (null for Nothing). Raises std::bad_alloc.
IDispatch* ComFromDispatch(const DispatchRef& object);

}  // namespace glyphwright::com
