// Restyling on the reference document, as a host does it: the selection is read, the query's
// script is run, and the document shows the result.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "document/document.h"
#include "document/html_reader.h"
#include "document/renderers.h"
#include "nmr/nmr_style_query.h"
#include "script/command_runner.h"
#include "text/utf8.h"

namespace glyphwright::testing_nmr {

// Any query, the way a host runs it on the selection.
template <class Query>
void Format(const std::shared_ptr<Document>& document, const Query& query) {
  const std::u16string script = query.GetCommands(document->BeginQuery());
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(script);
}

inline void Restyle(const std::shared_ptr<Document>& document, const NMRStyleQuery& query) {
  Format(document, query);
}

inline NMRStyleQuery StyleQuery(std::u16string_view style) {
  NMRStyleQuery query;
  query.SetStyle(style);
  return query;
}

// The whole document made from a little HTML, restyled.
inline std::shared_ptr<Document> RestyledHtml(std::u16string_view html,
                                              const NMRStyleQuery& query) {
  auto document = std::make_shared<Document>(DocumentFromHtml(html));
  Restyle(document, query);
  return document;
}

inline std::string Unicode(const Document& document) {
  return Utf16ToUtf8(RenderUnicode(document));
}
inline std::string Html(const Document& document) {
  return Utf16ToUtf8(RenderHtml(document));
}
inline std::string Text(const Document& document) {
  return Utf16ToUtf8(RenderText(document));
}

}  // namespace glyphwright::testing_nmr
