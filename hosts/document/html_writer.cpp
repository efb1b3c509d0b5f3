#include <bit>
#include <cstdint>
#include <string>

#include "document/render_stream.h"
#include "document/renderers.h"

namespace glyphwright {
namespace {

// The four characters HTML text writes as entities, as bits of their codes (all below 64).
constexpr uint64_t kEscaped =
    (uint64_t{1} << u'&') | (uint64_t{1} << u'<') | (uint64_t{1} << u'>') | (uint64_t{1} << u'"');

// The entity of a character that kEscaped holds.
std::u16string_view EntityOf(char16_t c) {
  switch (c) {
    case u'&':
      return u"&amp;";
    case u'<':
      return u"&lt;";
    case u'>':
      return u"&gt;";
    default:
      return u"&quot;";
  }
}

// The elements around a run, outermost first: named style, small capitals, bold, italic,
// subscript, superscript and, inside a small-capital run, <small> around its capitals. A run's
// elements are a set of these bits; the fixed order lets neighbouring runs share their outer
// elements: those below the lowest bit in which the two sets differ. The named style's span
// carries the style's class.
constexpr unsigned kStyleSpan = 1u << 0;
constexpr unsigned kSmallCapsSpan = 1u << 1;
constexpr unsigned kBold = 1u << 2;
constexpr unsigned kItalic = 1u << 3;
constexpr unsigned kSubscript = 1u << 4;
constexpr unsigned kSuperscript = 1u << 5;
constexpr unsigned kSmall = 1u << 6;

// Indexed by the element's bit number.
constexpr std::u16string_view kOpenTags[] = {u"<span class=\"",
                                             u"<span style=\"font-variant:small-caps\">",
                                             u"<b>",
                                             u"<i>",
                                             u"<sub>",
                                             u"<sup>",
                                             u"<small>"};
constexpr std::u16string_view kCloseTags[] = {u"</span>", u"</span>", u"</b>",    u"</i>",
                                              u"</sub>",  u"</sup>",  u"</small>"};

// The capitals of Latin-1 and Greek. font-variant:small-caps draws only lower-case letters as
// small capitals; a capital it leaves at full size.
bool IsCapital(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'\u00C0' && c <= u'\u00DE' && c != u'\u00D7') ||
         (c >= u'\u0391' && c <= u'\u03A9');
}

// Runs as inline HTML, closing only the elements the next run does not share; Close ends the
// last run's elements.
class InlineWriter {
 public:
  // A run begins: its elements open with its first character.
  void Want(const CharFormat& format) {
    // Neighbouring runs mostly share their named style: what it means is worked out once.
    if (format.style != wantedStyle_) WantStyle(format.style);
    unsigned wanted = styleElements_;
    if (format.smallCaps) wanted |= kSmallCapsSpan;
    if (format.bold) wanted |= kBold;
    if (format.italic) wanted |= kItalic;
    if (format.subscript) wanted |= kSubscript;
    if (format.superscript) wanted |= kSuperscript;
    wanted_ = wanted;
    entered_ = false;
  }

  void Write(std::u16string& out, char16_t c) {
    unsigned wanted = wanted_;
    // The capitals of a small-capital run go one size smaller too, innermost: <small> is what
    // browsers and word processors all read, and it keeps the letters as typed.
    if ((wanted & kSmallCapsSpan) != 0 && IsCapital(c)) wanted |= kSmall;
    if (!entered_ || wanted != open_) {
      Enter(out, wanted);
      entered_ = true;
    }
    if (c < 64 && ((kEscaped >> c) & 1) != 0) {
      out += EntityOf(c);
    } else {
      out.push_back(c);
    }
  }

  void Close(std::u16string& out) { Enter(out, 0); }

 private:
  // A named style brings its span (when its name makes a class at all) and what it looks like.
  void WantStyle(const std::u16string& style) {
    wantedStyle_ = style;
    wantedClass_ = StyleClass(style);
    styleElements_ = wantedClass_.empty() ? 0 : kStyleSpan;
    if (style == kChemicalItalic) styleElements_ |= kItalic;
    if (style == kChemicalSmall) styleElements_ |= kSmallCapsSpan;
    openClassWanted_ = openClass_ == wantedClass_;
  }

  // Closes the open elements the wanted ones do not share, innermost first, and opens the rest.
  void Enter(std::u16string& out, unsigned wanted) {
    unsigned differ = open_ ^ wanted;
    if ((open_ & wanted & kStyleSpan) != 0 && !openClassWanted_) differ |= kStyleSpan;
    if (differ == 0) return;
    const unsigned shared = (differ & (~differ + 1)) - 1;  // the bits below the lowest differing
    for (unsigned closing = open_ & ~shared; closing != 0;) {
      const int bit = std::bit_width(closing) - 1;
      out += kCloseTags[bit];
      closing &= ~(1u << bit);
    }
    for (unsigned opening = wanted & ~shared; opening != 0; opening &= opening - 1) {
      const int bit = std::countr_zero(opening);
      out += kOpenTags[bit];
      if (bit == 0) {
        out += wantedClass_;
        out += u"\">";
        openClass_ = wantedClass_;
        openClassWanted_ = true;
      }
    }
    open_ = wanted;
  }

  unsigned wanted_ = 0;          // the run's elements, but <small>
  bool entered_ = false;         // the run's first character is written
  unsigned open_ = 0;            // the elements open now
  std::u16string openClass_;     // the class of the open named-style span
  bool openClassWanted_ = true;  // openClass_ is wantedClass_
  std::u16string wantedStyle_;   // the last run's named style
  std::u16string wantedClass_;   // and its class
  unsigned styleElements_ = 0;   // and the elements it brings
};

// Paragraphs as blocks; a stretch of table paragraphs as one table, opened at its first row and
// closed before the next other paragraph (or at the end). A table row is the paragraph's runs cut
// at every TAB, one cell a part.
class HtmlWriter {
 public:
  // A formula's HTML takes about four and a half characters for each of its own.
  static constexpr std::size_t kRoomPerCharacter = 5;

  void BeginParagraph(std::u16string& out, std::u16string_view style, bool) {
    inRow_ = style == kNmrSpecTable;
    if (inRow_) {
      if (!inTable_) {
        out += u"<table class=\"";
        out += StyleClass(kNmrSpecTable);
        out += u"\">\n";
        inTable_ = true;
      }
      out += u"<tr><td>";
      return;
    }
    Finish(out);
    // Neighbouring paragraphs mostly share their style: its class is made once for them.
    if (style != paragraphStyle_) {
      paragraphStyle_ = style;
      paragraphClass_ = StyleClass(style);
    }
    if (paragraphClass_.empty()) {
      out += u"<p>";
    } else {
      out += u"<p class=\"";
      out += paragraphClass_;
      out += u"\">";
    }
  }

  void BeginRun(std::u16string&, const CharFormat& format) { inline_.Want(format); }

  void Character(std::u16string& out, char16_t c) {
    if (inRow_ && c == u'\t') {
      inline_.Close(out);
      out += u"</td><td>";
      return;
    }
    inline_.Write(out, c);
  }

  // For the walk that feeds several writers a run at a time.
  void RunInPlace(std::u16string& out, const Document::RunCodes& codes, const CharFormat& format) {
    BeginRun(out, format);
    for (std::size_t i = 0; i < codes.size(); ++i) Character(out, codes[i]);
  }

  void EndParagraph(std::u16string& out) {
    inline_.Close(out);
    out += inRow_ ? std::u16string_view(u"</td></tr>\n") : std::u16string_view(u"</p>\n");
  }

  void Finish(std::u16string& out) {
    if (!inTable_) return;
    out += u"</table>\n";
    inTable_ = false;
  }

 private:
  InlineWriter inline_;
  std::u16string paragraphStyle_;  // the last paragraph's style
  std::u16string paragraphClass_;  // and its class
  bool inTable_ = false;
  bool inRow_ = false;
};

}  // namespace

std::u16string StyleClass(std::u16string_view style) {
  std::u16string name;
  for (const char16_t c : style) {
    const bool keep = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_' ||
                      (c >= u'A' && c <= u'Z') || c > 0x7F;
    if (keep) {
      name.push_back(c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c);
    } else if (!name.empty() && name.back() != u'-') {
      name.push_back(u'-');
    }
  }
  while (!name.empty() && name.back() == u'-') name.pop_back();
  return name;
}

std::u16string RenderHtml(const Document& document) {
  return RenderWhole<HtmlWriter>(document);
}

void RenderHtml(const Document& document, const RenderSink& sink) {
  RenderInPieces<HtmlWriter>(document, sink);
}

std::unique_ptr<ParagraphWriter> MakeHtmlWriter() {
  return std::make_unique<WriterOf<HtmlWriter>>();
}

}  // namespace glyphwright
