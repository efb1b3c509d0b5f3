// glyphwright.Document: the reference in-memory document, an Executer and FontListener for
// Python hosts and examples, and the renderers RenderHtml, RenderText, RenderUnicode, RenderJson.
#pragma once

#include <pybind11/pybind11.h>

namespace glyphwright::python {

void DefineDocument(pybind11::module_& module);

}  // namespace glyphwright::python
