#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "document/render_append.h"
#include "document/render_stream.h"
#include "document/renderers.h"

namespace glyphwright {
namespace {

// The four characters HTML text writes as entities, as bits of their codes (all below 64).
constexpr uint64_t kEscaped =
    (uint64_t{1} << u'&') | (uint64_t{1} << u'<') | (uint64_t{1} << u'>') | (uint64_t{1} << u'"');

// The entity of a character that kEscaped holds.
const AsciiText& EntityOf(char16_t c) {
  static constexpr AsciiText kAmp("&amp;"), kLt("&lt;"), kGt("&gt;"), kQuot("&quot;");
  switch (c) {
    case u'&':
      return kAmp;
    case u'<':
      return kLt;
    case u'>':
      return kGt;
    default:
      return kQuot;
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
constexpr AsciiText kOpenTags[] = {
    "<span class=\"", "<span style=\"font-variant:small-caps\">", "<b>", "<i>", "<sub>", "<sup>",
    "<small>"};
constexpr AsciiText kCloseTags[] = {"</span>", "</span>", "</b>",    "</i>",
                                    "</sub>",  "</sup>",  "</small>"};

// The rest of the markup.
constexpr AsciiText kParagraphOpen("<p>"), kParagraphClassOpen("<p class=\""),
    kParagraphClose("</p>\n"), kAttributeEnd("\">"), kTableOpen("<table class=\""),
    kAttributeEndLine("\">\n"), kRowOpen("<tr><td>"), kCellBreak("</td><td>"),
    kRowClose("</td></tr>\n"), kTableClose("</table>\n");

// The capitals of Latin-1 and Greek. font-variant:small-caps draws only lower-case letters as
// small capitals; a capital it leaves at full size.
bool IsCapital(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'\u00C0' && c <= u'\u00DE' && c != u'\u00D7') ||
         (c >= u'\u0391' && c <= u'\u03A9');
}

// Runs as inline HTML, closing only the elements the next run does not share; Close ends the
// last run's elements.
template <class Out>
class InlineWriter {
 public:
  // A run begins: its elements open with its first character. The run is known by its format
  // key (FormatKey): a formula's runs alternate between two or three formats, and what each
  // wants is remembered, so that it is worked out once.
  void Want(uint32_t key, const Document::FormattedCodes& codes, std::size_t at) {
    KeyWanted& known = known_[(key ^ (key >> 8)) % kKnownKeys];
    if (known.key == key && (key >> 8) == wantedStyleKey_) {
      wanted_ = known.wanted;
      entered_ = false;
      return;
    }
    WantFormat(codes.Format(at));
    known = {key, wanted_};
    wantedStyleKey_ = key >> 8;
  }

  void Write(Out& out, char16_t c) {
    unsigned wanted = wanted_;
    // The capitals of a small-capital run go one size smaller too, innermost: <small> is what
    // browsers and word processors all read, and it keeps the letters as typed.
    if ((wanted & kSmallCapsSpan) != 0 && IsCapital(c)) wanted |= kSmall;
    if (!entered_ || wanted != open_) {
      Enter(out, wanted);
      entered_ = true;
    }
    WriteEscaped(out, c);
  }

  void Close(Out& out) { Enter(out, 0); }

  // Whether no character of the run can change its elements, as a capital of small capitals
  // does: the run's elements are then entered once, before its first character.
  bool Uniform() const { return (wanted_ & kSmallCapsSpan) == 0; }
  void EnterRun(Out& out) {
    Enter(out, wanted_);
    entered_ = true;
  }

  static void WriteEscaped(Out& out, char16_t c) {
    if (c < 64 && ((kEscaped >> c) & 1) != 0) {
      Append(out, EntityOf(c));
    } else {
      Append(out, c);
    }
  }

 private:
  // What a run of this format wants.
  void WantFormat(const CharFormat& format) {
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

  // A named style brings its span (when its name makes a class at all) and what it looks like.
  void WantStyle(const std::u16string& style) {
    wantedStyle_ = style;
    wantedClass_ = InForm<typename Out::value_type>(StyleClass(style));
    styleElements_ = wantedClass_.empty() ? 0 : kStyleSpan;
    if (style == kChemicalItalic) styleElements_ |= kItalic;
    if (style == kChemicalSmall) styleElements_ |= kSmallCapsSpan;
    openClassWanted_ = openClass_ == wantedClass_;
  }

  // Closes the open elements the wanted ones do not share, innermost first, and opens the rest.
  void Enter(Out& out, unsigned wanted) {
    unsigned differ = open_ ^ wanted;
    if ((open_ & wanted & kStyleSpan) != 0 && !openClassWanted_) differ |= kStyleSpan;
    if (differ == 0) return;
    const unsigned shared = (differ & (~differ + 1)) - 1;  // the bits below the lowest differing
    for (unsigned closing = open_ & ~shared; closing != 0;) {
      const int bit = std::bit_width(closing) - 1;
      Append(out, kCloseTags[bit]);
      closing &= ~(1u << bit);
    }
    for (unsigned opening = wanted & ~shared; opening != 0; opening &= opening - 1) {
      const int bit = std::countr_zero(opening);
      Append(out, kOpenTags[bit]);
      if (bit == 0) {
        out += wantedClass_;
        Append(out, kAttributeEnd);
        openClass_ = wantedClass_;
        openClassWanted_ = true;
      }
    }
    open_ = wanted;
  }

  unsigned wanted_ = 0;               // the run's elements, but <small>
  bool entered_ = false;              // the run's first character is written
  unsigned open_ = 0;                 // the elements open now
  typename Out::String openClass_;    // the class of the open named-style span
  bool openClassWanted_ = true;       // openClass_ is wantedClass_
  std::u16string wantedStyle_;        // the last run's named style
  typename Out::String wantedClass_;  // and its class
  unsigned styleElements_ = 0;        // and the elements it brings

  // The format keys met and the elements each wants; a key is its style's id above its flags,
  // and the named style's meaning (its class) holds while the style's id is wantedStyleKey_.
  static constexpr uint32_t kNoKey = ~uint32_t{0};
  static constexpr std::size_t kKnownKeys = 16;
  struct KeyWanted {
    uint32_t key = kNoKey;
    unsigned wanted = 0;
  };
  std::array<KeyWanted, kKnownKeys> known_;
  uint32_t wantedStyleKey_ = kNoKey;
};

// Paragraphs as blocks; a stretch of table paragraphs as one table, opened at its first row and
// closed before the next other paragraph (or at the end). A table row is the paragraph's runs cut
// at every TAB, one cell a part.
template <class OutType>
class HtmlWriter {
 public:
  using Out = OutType;

  // A formula's HTML takes about four and a half characters for each of its own.
  static constexpr std::size_t kRoomPerCharacter = 5;

  void BeginParagraph(Out& out, std::u16string_view style, bool) {
    inRow_ = style == kNmrSpecTable;
    if (inRow_) {
      if (!inTable_) {
        Append(out, kTableOpen);
        Append(out, StyleClass(kNmrSpecTable));
        Append(out, kAttributeEndLine);
        inTable_ = true;
      }
      Append(out, kRowOpen);
      return;
    }
    Finish(out);
    // Neighbouring paragraphs mostly share their style: its class is made once for them.
    if (style != paragraphStyle_) {
      paragraphStyle_ = style;
      paragraphClass_ = InForm<typename Out::value_type>(StyleClass(style));
    }
    if (paragraphClass_.empty()) {
      Append(out, kParagraphOpen);
    } else {
      Append(out, kParagraphClassOpen);
      out += paragraphClass_;
      Append(out, kAttributeEnd);
    }
  }

  // The walk's stretches of whole runs: each run's end found by its format, in one loop. Inline
  // into the walk always: the loop then holds the walk's state in registers too.
  [[gnu::always_inline]] void Codes(Out& out, const Document::FormattedCodes& codes) {
    const std::size_t size = codes.size();
    for (std::size_t i = 0; i < size;) {
      const uint32_t key = codes.FormatKey(i);
      inline_.Want(key, codes, i);
      if (inRow_ || !inline_.Uniform()) {
        do {
          Character(out, codes[i]);
        } while (++i < size && codes.FormatKey(i) == key);
        continue;
      }
      inline_.EnterRun(out);
      do {
        InlineWriter<Out>::WriteEscaped(out, codes[i]);
      } while (++i < size && codes.FormatKey(i) == key);
    }
  }

  void EndParagraph(Out& out) {
    inline_.Close(out);
    Append(out, inRow_ ? kRowClose : kParagraphClose);
  }

  void Finish(Out& out) {
    if (!inTable_) return;
    Append(out, kTableClose);
    inTable_ = false;
  }

 private:
  // A character whose elements may change at it: a capital among small capitals, or a TAB that
  // ends a table cell.
  void Character(Out& out, char16_t c) {
    if (inRow_ && c == u'\t') {
      inline_.Close(out);
      Append(out, kCellBreak);
      return;
    }
    inline_.Write(out, c);
  }

  InlineWriter<Out> inline_;
  std::u16string paragraphStyle_;        // the last paragraph's style
  typename Out::String paragraphClass_;  // and its class
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
  return RenderUnits<HtmlWriter>(document);
}

void RenderHtml(const Document& document, const RenderSink& sink) {
  RenderUnits<HtmlWriter>(document, sink);
}

std::string RenderHtmlUtf8(const Document& document) {
  return RenderBytes<HtmlWriter>(document);
}

void RenderHtmlUtf8(const Document& document, const Utf8RenderSink& sink) {
  RenderBytes<HtmlWriter>(document, sink);
}

std::unique_ptr<ParagraphWriter> MakeHtmlWriter() {
  return std::make_unique<WriterOf<HtmlWriter<RenderBuffer<char16_t>>>>();
}

}  // namespace glyphwright
