// What a user sees of a document, in four forms. Each ends every paragraph mark with LF.
#pragma once

#include <functional>
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

// Receives a rendering a piece at a time, each piece ending where a run or paragraph ends; the
// pieces joined are the rendering. A piece is never empty and lives only until the sink returns; it
// never ends inside a surrogate pair.
using RenderSink = std::function<void(std::u16string_view piece)>;

// The same four renderings made as the paragraphs come and handed over in pieces of some
// thousands of characters: a document of any length renders in the memory of one piece.
void RenderHtml(const Document& document, const RenderSink& sink);
void RenderText(const Document& document, const RenderSink& sink);
void RenderUnicode(const Document& document, const RenderSink& sink);
void RenderJson(const Document& document, const RenderSink& sink);

// The four renderings as UTF-8 bytes, each character encoded as it is written: the bytes are
// those of the code units' rendering converted (a surrogate pair as its four-byte sequence, a
// lone surrogate as U+FFFD), made without the code units. In pieces, a piece never ends inside
// a character's sequence.
using Utf8RenderSink = std::function<void(std::string_view piece)>;
std::string RenderHtmlUtf8(const Document& document);
std::string RenderTextUtf8(const Document& document);
std::string RenderUnicodeUtf8(const Document& document);
std::string RenderJsonUtf8(const Document& document);
void RenderHtmlUtf8(const Document& document, const Utf8RenderSink& sink);
void RenderTextUtf8(const Document& document, const Utf8RenderSink& sink);
void RenderUnicodeUtf8(const Document& document, const Utf8RenderSink& sink);
void RenderJsonUtf8(const Document& document, const Utf8RenderSink& sink);

// A style name as a CSS class: "NMR Spec Table" is "nmr-spec-table".
std::u16string StyleClass(std::u16string_view style);

}  // namespace glyphwright
