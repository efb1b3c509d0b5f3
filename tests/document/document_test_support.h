// Running scripts on the reference document through a real CommandRunner, and documents made of
// formatted pieces.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/document.h"
#include "document/renderers.h"
#include "script/builders.h"
#include "script/command_runner.h"
#include "text/utf8.h"

namespace glyphwright {

inline void RunOn(const std::shared_ptr<Document>& document, std::u16string_view script,
                  bool ignoreError = false) {
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.SetIgnoreError(ignoreError);
  runner.Run(script);
}

// A document reached by name only: it offers no C++ interface.
class ByNameOnly : public Dispatch {
 public:
  explicit ByNameOnly(std::shared_ptr<Document> document) : document_(std::move(document)) {}
  DispId GetIDsOfNames(std::u16string_view name) override { return document_->GetIDsOfNames(name); }
  Variant Invoke(DispId id, InvokeKind kind, Arguments args) override {
    return document_->Invoke(id, kind, args);
  }

 private:
  std::shared_ptr<Document> document_;
};

// Text appended to a document in one format.
struct Piece {
  std::u16string text;
  CharFormat format;
};

inline CharFormat Format(std::u16string style, bool subscript = false, bool italic = false,
                         bool smallCaps = false, bool bold = false, bool superscript = false) {
  CharFormat format;
  format.style = std::move(style);
  format.subscript = subscript;
  format.italic = italic;
  format.smallCaps = smallCaps;
  format.bold = bold;
  format.superscript = superscript;
  return format;
}

inline Document Made(const std::vector<Piece>& pieces) {
  Document document;
  for (const Piece& piece : pieces) document.Append(piece.text, piece.format);
  return document;
}

// UTF-8 forms, so a failing comparison reads as text.
inline std::string HtmlOf(const Document& document) {
  return Utf16ToUtf8(RenderHtml(document));
}
inline std::string TextOf(const Document& document) {
  return Utf16ToUtf8(RenderText(document));
}
inline std::string UnicodeOf(const Document& document) {
  return Utf16ToUtf8(RenderUnicode(document));
}

}  // namespace glyphwright
