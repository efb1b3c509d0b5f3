// What a user sees of a document, in four forms. Each ends every paragraph mark with LF.
#pragma once

#include <string>
#include <string_view>

#include "document/document.h"

namespace glyphwright {

// The paragraph style rendered as a table: one row a paragraph, one cell per TAB-separated part.
inline constexpr std::u16string_view kNmrSpecTable = u"NMR Spec Table";

// Clean HTML, one block a line: <p> per paragraph (its style as a class), <sub>, <sup>, <i>,
// <b>, small capitals as a font-variant span with their capitals also in <small> (small-caps
// alone draws a capital at full size), named character styles as a class; consecutive
// "NMR Spec Table" paragraphs as one <table class="nmr-spec-table">.
std::u16string RenderHtml(const Document& document);

// The text alone, paragraph marks as LF.
std::u16string RenderText(const Document& document);

// The text with subscripts, superscripts and small capitals written as Unicode's subscript,
// superscript and small capital characters where they exist (H₂SO₄, SO₄²⁻, ᴅ-glucose), the plain
// character where not.
std::u16string RenderUnicode(const Document& document);

// {"paragraphs":[{"style":"","runs":[{"text":"H"},{"text":"2","subscript":true}]}]}: every
// run's formatting, attributes present only when set.
std::u16string RenderJson(const Document& document);

// A style name as a CSS class: "NMR Spec Table" is "nmr-spec-table".
std::u16string StyleClass(std::u16string_view style);

}  // namespace glyphwright
