// The type library of Quillet.dll written as IDL, from the library identity and the member table
// of every public class, so that the type library and late binding cannot disagree. Each class is
// a coclass with one default dispinterface, its members in table order with their dispatch
// identifiers and parameter names; earlier interface identifiers become aliases of the default
// interface. glyphwright-idl writes hosts/com/Glyphwright.idl from it and checks the committed
// file.
#pragma once

#include <string>

namespace glyphwright {

std::string TypeLibraryIdl();

}  // namespace glyphwright
