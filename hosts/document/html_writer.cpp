#include <array>
#include <span>
#include <vector>

#include "document/render_stream.h"
#include "document/renderers.h"

namespace glyphwright {
namespace {

void AppendEscaped(std::u16string& out, std::u16string_view text) {
  for (const char16_t c : text) {
    switch (c) {
      case u'&':
        out += u"&amp;";
        break;
      case u'<':
        out += u"&lt;";
        break;
      case u'>':
        out += u"&gt;";
        break;
      case u'"':
        out += u"&quot;";
        break;
      default:
        out.push_back(c);
    }
  }
}

// An element's tags. Only a named style's span has text of its own (its class), kept by the
// writer; every other tag is a literal, so a run's elements cost no allocation.
struct Element {
  std::u16string_view open;
  std::u16string_view close;
  std::u16string_view styleClass;  // for <span class="...">, empty otherwise
  friend bool operator==(const Element& a, const Element& b) {
    return a.open == b.open && a.styleClass == b.styleClass;
  }
};

// The elements around one run: at most one of each, seven at most, kept in place.
class Elements {
 public:
  std::size_t size() const { return size_; }
  const Element& operator[](std::size_t i) const { return items_[i]; }
  const Element& back() const { return items_[size_ - 1]; }
  void push_back(const Element& element) { items_[size_++] = element; }
  void pop_back() { --size_; }
  void shrink(std::size_t size) { size_ = size; }

 private:
  std::array<Element, 7> items_;
  std::size_t size_ = 0;
};

constexpr std::u16string_view kStyleSpanOpen = u"<span class=\"";

void AppendOpen(std::u16string& out, const Element& element) {
  out += element.open;
  if (!element.styleClass.empty()) {
    out += element.styleClass;
    out += u"\">";
  }
}

// The elements around a run, outermost first: named style (its class in styleClass, which must
// outlive the elements), small capitals, bold, italic, subscript or superscript (and, inside a
// small-capital run, <small> around its capitals). A fixed order lets neighbouring runs share
// their outer elements.
Elements ElementsOf(const CharFormat& format, std::u16string_view styleClass) {
  Elements elements;
  if (!styleClass.empty()) elements.push_back({kStyleSpanOpen, u"</span>", styleClass});
  if (LooksSmallCaps(format)) {
    elements.push_back({u"<span style=\"font-variant:small-caps\">", u"</span>", {}});
  }
  if (format.bold) elements.push_back({u"<b>", u"</b>", {}});
  if (LooksItalic(format)) elements.push_back({u"<i>", u"</i>", {}});
  if (format.subscript) elements.push_back({u"<sub>", u"</sub>", {}});
  if (format.superscript) elements.push_back({u"<sup>", u"</sup>", {}});
  return elements;
}

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
  void Write(std::u16string& out, const CharFormat& format, std::u16string_view text) {
    // Neighbouring runs mostly share their named style: its class is made once for them.
    if (format.style != wantedStyle_) {
      wantedStyle_ = format.style;
      wantedClass_ = StyleClass(wantedStyle_);
    }
    Elements wanted = ElementsOf(format, wantedClass_);
    if (!LooksSmallCaps(format)) {
      Write(out, wanted, text);
      return;
    }
    // The capitals of a small-capital run go one size smaller too, innermost: <small> is what
    // browsers and word processors all read, and it keeps the letters as typed.
    const std::size_t plainDepth = wanted.size();
    for (std::size_t start = 0; start < text.size();) {
      const bool capital = IsCapital(text[start]);
      std::size_t end = start + 1;
      while (end < text.size() && IsCapital(text[end]) == capital) ++end;
      wanted.shrink(plainDepth);
      if (capital) wanted.push_back({u"<small>", u"</small>", {}});
      Write(out, wanted, text.substr(start, end - start));
      start = end;
    }
  }

  void Close(std::u16string& out) { CloseDownTo(out, 0); }

 private:
  void Write(std::u16string& out, const Elements& wanted, std::u16string_view text) {
    std::size_t shared = 0;
    while (shared < open_.size() && shared < wanted.size() && open_[shared] == wanted[shared]) {
      ++shared;
    }
    CloseDownTo(out, shared);
    for (std::size_t i = shared; i < wanted.size(); ++i) {
      AppendOpen(out, wanted[i]);
      Element opened = wanted[i];
      // Only the outermost element has a class; the open one keeps its own copy, as the
      // wanted class changes with the next run.
      if (!opened.styleClass.empty()) {
        openClass_.assign(opened.styleClass);
        opened.styleClass = openClass_;
      }
      open_.push_back(opened);
    }
    AppendEscaped(out, text);
  }

  void CloseDownTo(std::u16string& out, std::size_t depth) {
    while (open_.size() > depth) {
      out += open_.back().close;
      open_.pop_back();
    }
  }

  Elements open_;
  std::u16string openClass_;    // the class of the open named-style span
  std::u16string wantedStyle_;  // the last run's named style
  std::u16string wantedClass_;  // and its class
};

// Paragraphs as blocks; a stretch of table paragraphs as one table, opened at its first row and
// closed before the next other paragraph (or at the end). A table row is the paragraph's runs cut
// at every TAB, one cell a part.
class HtmlWriter {
 public:
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
    const std::u16string name = StyleClass(style);
    if (name.empty()) {
      out += u"<p>";
    } else {
      out += u"<p class=\"";
      out += name;
      out += u"\">";
    }
  }

  void Run(std::u16string& out, const glyphwright::Run& run) {
    if (!inRow_) {
      inline_.Write(out, run.format, run.text);
      return;
    }
    const std::u16string_view text = run.text;
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = text.find(u'\t', start);
      const std::size_t end = tab == std::u16string_view::npos ? text.size() : tab;
      if (end > start) inline_.Write(out, run.format, text.substr(start, end - start));
      if (tab == std::u16string_view::npos) break;
      inline_.Close(out);
      out += u"</td><td>";
      start = tab + 1;
    }
  }

  void EndParagraph(std::u16string& out) {
    inline_.Close(out);
    out += inRow_ ? u"</td></tr>\n" : u"</p>\n";
  }

  void Finish(std::u16string& out) {
    if (!inTable_) return;
    out += u"</table>\n";
    inTable_ = false;
  }

 private:
  InlineWriter inline_;
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
