// The reference page of a public class, in Markdown, made from its ClassInfo and member table,
// and the index page of the library. docs/api/ holds them; glyphwright-apidoc writes and checks.
#pragma once

#include <string>

#include "component/class_info.h"

namespace glyphwright {

std::string ApiReferencePage(const ClassInfo& info);
std::string ApiReferenceIndex();

}  // namespace glyphwright
