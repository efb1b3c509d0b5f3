#include "document/render_append.h"
#include "document/render_stream.h"
#include "document/renderers.h"

namespace glyphwright {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

template <class Out>
void AppendUnicodeEscape(Out& out, char16_t c) {
  Append(out, "\\u");
  for (int shift = 12; shift >= 0; shift -= 4) out.push_back(kHexDigits[(c >> shift) & 0xF]);
}

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// A JSON string. A lone surrogate, which UTF-8 cannot carry, is written as its escape.
template <class Out>
void AppendString(Out& out, std::u16string_view text) {
  out.push_back('"');
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    switch (c) {
      case u'"':
        Append(out, "\\\"");
        continue;
      case u'\\':
        Append(out, "\\\\");
        continue;
      case u'\n':
        Append(out, "\\n");
        continue;
      case u'\r':
        Append(out, "\\r");
        continue;
      case u'\t':
        Append(out, "\\t");
        continue;
      default:
        break;
    }
    if (c < 0x20) {
      AppendUnicodeEscape(out, c);
    } else if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      Append(out, c);
      Append(out, text[++i]);
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      AppendUnicodeEscape(out, c);
    } else {
      Append(out, c);
    }
  }
  out.push_back('"');
}

template <class Out>
void AppendFlag(Out& out, bool set, const AsciiText& name) {
  if (!set) return;
  Append(out, ",\"");
  Append(out, name);
  Append(out, "\":true");
}

// {"paragraphs":[ opens with the first paragraph (or at the end, for none); ]} closes.
template <class OutType>
class JsonWriter {
 public:
  using Out = OutType;

  void BeginParagraph(Out& out, std::u16string_view style, bool) {
    if (opened_) {
      out.push_back(',');
    } else {
      Append(out, "{\"paragraphs\":[");
    }
    opened_ = true;
    Append(out, "{\"style\":");
    AppendString(out, style);
    Append(out, ",\"runs\":[");
    firstRun_ = true;
  }

  void Run(Out& out, const glyphwright::Run& run) {
    if (!firstRun_) out.push_back(',');
    firstRun_ = false;
    Append(out, "{\"text\":");
    AppendString(out, run.text);
    const CharFormat& format = run.format;
    AppendFlag(out, format.subscript, "subscript");
    AppendFlag(out, format.superscript, "superscript");
    AppendFlag(out, format.smallCaps, "smallCaps");
    AppendFlag(out, format.italic, "italic");
    AppendFlag(out, format.bold, "bold");
    if (!format.style.empty()) {
      Append(out, ",\"characterStyle\":");
      AppendString(out, format.style);
    }
    out.push_back('}');
  }

  void EndParagraph(Out& out) { Append(out, "]}"); }

  void Finish(Out& out) {
    if (!opened_) Append(out, "{\"paragraphs\":[");
    Append(out, "]}");
  }

 private:
  bool opened_ = false;
  bool firstRun_ = true;
};

}  // namespace

std::u16string RenderJson(const Document& document) {
  return RenderUnits<JsonWriter>(document);
}

void RenderJson(const Document& document, const RenderSink& sink) {
  RenderUnits<JsonWriter>(document, sink);
}

std::string RenderJsonUtf8(const Document& document) {
  return RenderBytes<JsonWriter>(document);
}

void RenderJsonUtf8(const Document& document, const Utf8RenderSink& sink) {
  RenderBytes<JsonWriter>(document, sink);
}

}  // namespace glyphwright
