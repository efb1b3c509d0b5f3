#include "web/clipboard_html.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace glyphwright::web {

namespace {

struct StyledTag {
  std::string_view tag;
  std::string_view styled;
};

constexpr std::array<StyledTag, 5> kStyledTags = {{
    {"<sub>", "<sub style=\"vertical-align:sub\">"},
    {"<sup>", "<sup style=\"vertical-align:super\">"},
    {"<i>", "<i style=\"font-style:italic\">"},
    {"<b>", "<b style=\"font-weight:bold\">"},
    {"<table class=\"nmr-spec-table\">",
     "<table class=\"nmr-spec-table\" style=\"border-collapse:collapse\">"},
}};

constexpr std::string_view kOpening =
    "<html><head><meta charset=\"utf-8\"></head><body>\n<!--StartFragment-->";
constexpr std::string_view kClosing = "<!--EndFragment-->\n</body></html>";

template <class Char>
bool StartsWith(std::basic_string_view<Char> text, std::size_t at, std::string_view ascii) {
  if (text.size() - at < ascii.size()) return false;
  for (std::size_t i = 0; i < ascii.size(); ++i) {
    if (text[at + i] != static_cast<Char>(ascii[i])) return false;
  }
  return true;
}

// The styled tag that opens at `at` ('<' there), or null. The letter after '<' tells which it
// can be, so most tags (every closing one) are passed over at one test.
template <class Char>
const StyledTag* StyledAt(std::basic_string_view<Char> html, std::size_t at) {
  if (html.size() - at < 3) return nullptr;
  const StyledTag* tag = nullptr;
  switch (html[at + 1]) {
    case Char('s'):
      if (html.size() - at < 5 || html[at + 2] != Char('u')) return nullptr;
      if (html[at + 3] == Char('b')) tag = &kStyledTags[0];
      if (html[at + 3] == Char('p')) tag = &kStyledTags[1];
      break;
    case Char('i'):
      tag = &kStyledTags[2];
      break;
    case Char('b'):
      tag = &kStyledTags[3];
      break;
    case Char('t'):
      tag = &kStyledTags[4];
      break;
    default:
      return nullptr;
  }
  return tag != nullptr && StartsWith(html, at, tag->tag) ? tag : nullptr;
}

// Where the next '<' is at or after `at`, or the HTML's size. A tag comes every few characters:
// a plain loop is quicker than a call of the library's search for each.
template <class Char>
std::size_t NextTag(std::basic_string_view<Char> html, std::size_t at) {
  while (at < html.size() && html[at] != Char('<')) ++at;
  return at;
}

template <class Char>
Char* Copy(Char* to, std::string_view ascii) {
  for (const char unit : ascii) *to++ = static_cast<Char>(unit);
  return to;
}

// Two passes over the HTML, the first counting, so that a document many megabytes long is
// written into its string without once being copied as it grows.
template <class Char>
std::basic_string<Char> Styled(std::basic_string_view<Char> html) {
  std::size_t size = kOpening.size() + html.size() + kClosing.size();
  for (std::size_t at = NextTag(html, 0); at < html.size(); at = NextTag(html, at + 1)) {
    if (const StyledTag* tag = StyledAt(html, at)) size += tag->styled.size() - tag->tag.size();
  }
  std::basic_string<Char> document(size, Char());
  Char* to = Copy(document.data(), kOpening);
  std::size_t from = 0;
  for (std::size_t at = NextTag(html, 0); at < html.size(); at = NextTag(html, at + 1)) {
    const StyledTag* tag = StyledAt(html, at);
    if (tag == nullptr) continue;
    to = std::copy(html.begin() + static_cast<std::ptrdiff_t>(from),
                   html.begin() + static_cast<std::ptrdiff_t>(at), to);
    to = Copy(to, tag->styled);
    from = at + tag->tag.size();
  }
  to = std::copy(html.begin() + static_cast<std::ptrdiff_t>(from), html.end(), to);
  Copy(to, kClosing);
  return document;
}

}  // namespace

std::string ClipboardHtml(std::string_view html) {
  return Styled(html);
}

std::u16string ClipboardHtml(std::u16string_view html) {
  return Styled(html);
}

}  // namespace glyphwright::web
