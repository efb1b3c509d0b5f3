// The HTML that Copy puts on the clipboard: a whole document, so that word processors read it as
// one, with the formatting written both as tags and as inline styles (some editors keep only the
// one or the other; every one keeps a table).
#pragma once

#include <string>
#include <string_view>

namespace glyphwright::web {

// The result's HTML in that document: <sub>, <sup>, <i>, <b> and the peak table's <table> with
// their styles, the fragment between StartFragment and EndFragment comments. Made in either of
// the forms a result's part takes, UTF-8 bytes or UTF-16 code units, every other unit copied as
// it is (a lone surrogate too).
std::string ClipboardHtml(std::string_view html);
std::u16string ClipboardHtml(std::u16string_view html);

}  // namespace glyphwright::web
