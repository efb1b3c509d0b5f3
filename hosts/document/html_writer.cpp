#include <array>
#include <vector>

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

// An element's tags. Only a named style's span has text of its own (its class); every other tag is
// a literal, so a run's elements cost no allocation.
struct Element {
  std::u16string_view open;
  std::u16string_view close;
  std::u16string styleClass;  // for <span class="...">, empty otherwise
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
  void push_back(Element element) { items_[size_++] = std::move(element); }
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

// The elements around a run, outermost first: named style, small capitals, bold, italic,
// subscript or superscript (and, inside a small-capital run, <small> around its capitals). A fixed
// order lets neighbouring runs share their outer elements.
Elements ElementsOf(const CharFormat& format) {
  Elements elements;
  if (std::u16string name = StyleClass(format.style); !name.empty()) {
    elements.push_back({kStyleSpanOpen, u"</span>", std::move(name)});
  }
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

// Runs as inline HTML, closing only the elements the next run does not share.
class InlineWriter {
 public:
  explicit InlineWriter(std::u16string& out) : out_(out) {}
  ~InlineWriter() { CloseDownTo(0); }

  void Write(const Run& run) {
    Elements wanted = ElementsOf(run.format);
    if (!LooksSmallCaps(run.format)) {
      Write(wanted, run.text);
      return;
    }
    // The capitals of a small-capital run go one size smaller too, innermost: <small> is what
    // browsers and word processors all read, and it keeps the letters as typed.
    const std::u16string_view text = run.text;
    const std::size_t plainDepth = wanted.size();
    for (std::size_t start = 0; start < text.size();) {
      const bool capital = IsCapital(text[start]);
      std::size_t end = start + 1;
      while (end < text.size() && IsCapital(text[end]) == capital) ++end;
      wanted.shrink(plainDepth);
      if (capital) wanted.push_back({u"<small>", u"</small>", {}});
      Write(wanted, text.substr(start, end - start));
      start = end;
    }
  }

 private:
  void Write(const Elements& wanted, std::u16string_view text) {
    std::size_t shared = 0;
    while (shared < open_.size() && shared < wanted.size() && open_[shared] == wanted[shared]) {
      ++shared;
    }
    CloseDownTo(shared);
    for (std::size_t i = shared; i < wanted.size(); ++i) {
      AppendOpen(out_, wanted[i]);
      open_.push_back(wanted[i]);
    }
    AppendEscaped(out_, text);
  }

  void CloseDownTo(std::size_t depth) {
    while (open_.size() > depth) {
      out_ += open_.back().close;
      open_.pop_back();
    }
  }

  std::u16string& out_;
  Elements open_;
};

void WriteRuns(std::u16string& out, const std::vector<Run>& runs) {
  InlineWriter writer(out);
  for (const Run& run : runs) writer.Write(run);
}

// A table row: the paragraph's runs cut at every TAB, one cell a part.
void WriteRow(std::u16string& out, const Paragraph& paragraph) {
  std::vector<std::vector<Run>> cells(1);
  for (const Run& run : paragraph.runs) {
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = run.text.find(u'\t', start);
      const std::size_t end = tab == std::u16string::npos ? run.text.size() : tab;
      if (end > start) cells.back().push_back({run.text.substr(start, end - start), run.format});
      if (tab == std::u16string::npos) break;
      cells.emplace_back();
      start = tab + 1;
    }
  }
  out += u"<tr>";
  for (const std::vector<Run>& cell : cells) {
    out += u"<td>";
    WriteRuns(out, cell);
    out += u"</td>";
  }
  out += u"</tr>\n";
}

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
  const std::vector<Paragraph> paragraphs = document.Paragraphs();
  std::u16string out;
  for (std::size_t i = 0; i < paragraphs.size();) {
    if (paragraphs[i].style == kNmrSpecTable) {
      out += u"<table class=\"";
      out += StyleClass(kNmrSpecTable);
      out += u"\">\n";
      for (; i < paragraphs.size() && paragraphs[i].style == kNmrSpecTable; ++i) {
        WriteRow(out, paragraphs[i]);
      }
      out += u"</table>\n";
      continue;
    }
    const std::u16string name = StyleClass(paragraphs[i].style);
    out += name.empty() ? u"<p>" : u"<p class=\"" + name + u"\">";
    WriteRuns(out, paragraphs[i].runs);
    out += u"</p>\n";
    ++i;
  }
  return out;
}

}  // namespace glyphwright
