// The public classes of the library, in registration order, and creation by ProgID. The private
// scanner classes are not listed and cannot be created from outside.
#pragma once

#include <span>
#include <string_view>

#include "component/class_info.h"

namespace glyphwright {

std::span<const ClassInfo> PublicClasses();

// The class with this name ("CommandRunner") or ProgID ("Glyphwright.CommandRunner"), compared
// ignoring case as ProgIDs are; nullptr when there is none.
const ClassInfo* FindClass(std::u16string_view nameOrProgId);

// A new object of the class registered under ProgId (ignoring case). An unknown ProgID raises
// the run time's 429 "ActiveX component can't create object".
DispatchRef CreateObject(std::u16string_view ProgId);

}  // namespace glyphwright
