// Running scripts on the reference document through a real CommandRunner.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>

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
