// The three renderings a page shows or copies, made in one walk of the document: the paragraphs
// and their runs are gathered once instead of once for each rendering.
#pragma once

#include <string>

#include "document/document.h"

namespace glyphwright {

struct HtmlTextUnicode {
  std::u16string html;     // as RenderHtml
  std::u16string text;     // as RenderText
  std::u16string unicode;  // as RenderUnicode
};

HtmlTextUnicode RenderHtmlTextUnicode(const Document& document);

}  // namespace glyphwright
