#include "document_binding.h"

#include "bind_class.h"
#include "document/document.h"
#include "document/renderers.h"
#include "python_text.h"

namespace glyphwright::python {
namespace {

py::dict FormatDict(const CharFormat& format) {
  py::dict dict;
  dict["subscript"] = format.subscript;
  dict["superscript"] = format.superscript;
  dict["small_caps"] = format.smallCaps;
  dict["italic"] = format.italic;
  dict["bold"] = format.bold;
  dict["style"] = Str(format.style);
  return dict;
}

template <std::u16string (*Render)(const Document&)>
void DefineRenderer(py::module_& module, const char* name, const char* doc) {
  module.def(
      name, [](const Document& document) { return Str(Render(document)); }, py::arg("document"),
      doc);
}

}  // namespace

void DefineDocument(py::module_& module) {
  using DocumentClass = py::class_<Document, Dispatch, std::shared_ptr<Document>>;
  DocumentClass cls(module, "Document",
                    "The reference in-memory rich-text document: an Executer and FontListener.\n\n"
                    "Document(text) selects the whole text; Document(before, selection, after) "
                    "puts text around the selection. A CR in the text is a paragraph mark.");
  cls.def(py::init([](py::str text) { return std::make_shared<Document>(Text(text)); }),
          py::arg("text") = py::str(""));
  cls.def(py::init([](py::str before, py::str selection, py::str after) {
            return std::make_shared<Document>(Text(before), Text(selection), Text(after));
          }),
          py::arg("before"), py::arg("selection"), py::arg("after"));
  cls.def_static(
      "FromHtml",
      [](py::str html) { return std::make_shared<Document>(Document::FromHtml(Text(html))); },
      py::arg("html"), "A document read from <sub>, <sup>, <i>, <b> and character entities.");

  // The editing and listener operations, as the runner and the digit query call them.
  AddMembers(cls, MemberTable(Document::Members()));

  // The host's side; positions here are absolute offsets into the whole document.
  cls.def(
      "BeginQuery", [](Document& self) { return Str(self.BeginQuery()); },
      "Makes the selection's start the origin for the next script; returns the selected text.");
  cls.def("Select", &Document::Select, py::arg("start"), py::arg("length"),
          "Selects a range (clamped) and puts the cursor at its start.");
  cls.def("Text", [](const Document& self) { return Str(self.Text()); });
  cls.def("SelectedText", [](const Document& self) { return Str(self.SelectedText()); });
  cls.def("ClipboardText", [](const Document& self) { return Str(self.ClipboardText()); });
  cls.def("Size", &Document::Size);
  cls.def("Origin", &Document::Origin);
  cls.def("Cursor", &Document::Cursor);
  cls.def("SelectionStart", &Document::SelectionStart);
  cls.def("SelectionLength", &Document::SelectionLength);
  cls.def(
      "FormatAt",
      [](const Document& self, int32_t position) { return FormatDict(self.FormatAt(position)); },
      py::arg("position"), "The formatting of one character as a dict.");
  cls.def(
      "ParagraphStyleAt",
      [](const Document& self, int32_t position) { return Str(self.ParagraphStyleAt(position)); },
      py::arg("position"));

  DefineRenderer<&RenderHtml>(module, "RenderHtml", "The document as clean HTML.");
  DefineRenderer<&RenderText>(module, "RenderText", "The text alone, paragraph marks as LF.");
  DefineRenderer<&RenderUnicode>(module, "RenderUnicode",
                                 "The text with Unicode subscripts and superscripts (SO₄²⁻).");
  DefineRenderer<&RenderJson>(module, "RenderJson", "Every run's formatting as JSON.");
}

}  // namespace glyphwright::python
