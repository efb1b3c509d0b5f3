#include "document/render_stream.h"
#include "document/renderers.h"

namespace glyphwright {
namespace {

constexpr char16_t kHexDigits[] = u"0123456789abcdef";

void AppendUnicodeEscape(std::u16string& out, char16_t c) {
  out += u"\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kHexDigits[(c >> shift) & 0xF]);
}

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// A JSON string. A lone surrogate, which UTF-8 cannot carry, is written as its escape.
void AppendString(std::u16string& out, std::u16string_view text) {
  out.push_back(u'"');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    switch (c) {
      case u'"':
        out += u"\\\"";
        continue;
      case u'\\':
        out += u"\\\\";
        continue;
      case u'\n':
        out += u"\\n";
        continue;
      case u'\r':
        out += u"\\r";
        continue;
      case u'\t':
        out += u"\\t";
        continue;
      default:
        break;
    }
    if (c < 0x20) {
      AppendUnicodeEscape(out, c);
    } else if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out.push_back(c);
      out.push_back(text[++i]);
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      AppendUnicodeEscape(out, c);
    } else {
      out.push_back(c);
    }
  }
  out.push_back(u'"');
}

void AppendFlag(std::u16string& out, bool set, std::u16string_view name) {
  if (!set) return;
  out += u",\"";
  out += name;
  out += u"\":true";
}

// {"paragraphs":[ opens with the first paragraph (or at the end, for none); ]} closes.
class JsonWriter {
 public:
  void BeginParagraph(std::u16string& out, std::u16string_view style, bool) {
    out += opened_ ? u"," : u"{\"paragraphs\":[";
    opened_ = true;
    out += u"{\"style\":";
    AppendString(out, style);
    out += u",\"runs\":[";
    firstRun_ = true;
  }

  void Run(std::u16string& out, const glyphwright::Run& run) {
    if (!firstRun_) out.push_back(u',');
    firstRun_ = false;
    out += u"{\"text\":";
    AppendString(out, run.text);
    const CharFormat& format = run.format;
    AppendFlag(out, format.subscript, u"subscript");
    AppendFlag(out, format.superscript, u"superscript");
    AppendFlag(out, format.smallCaps, u"smallCaps");
    AppendFlag(out, format.italic, u"italic");
    AppendFlag(out, format.bold, u"bold");
    if (!format.style.empty()) {
      out += u",\"characterStyle\":";
      AppendString(out, format.style);
    }
    out.push_back(u'}');
  }

  void EndParagraph(std::u16string& out) { out += u"]}"; }

  void Finish(std::u16string& out) {
    if (!opened_) out += u"{\"paragraphs\":[";
    out += u"]}";
  }

 private:
  bool opened_ = false;
  bool firstRun_ = true;
};

}  // namespace

std::u16string RenderJson(const Document& document) {
  return RenderWhole<JsonWriter>(document);
}

void RenderJson(const Document& document, const RenderSink& sink) {
  RenderInPieces<JsonWriter>(document, sink);
}

}  // namespace glyphwright
