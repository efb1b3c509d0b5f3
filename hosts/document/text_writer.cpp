// The plain and the Unicode renderings.
#include <concepts>
#include <cstdint>

#include "document/render_append.h"
#include "document/render_stream.h"
#include "document/renderers.h"
#include "document/unicode_scripts.h"
#include "document/unicode_small_capitals.h"

namespace glyphwright {
namespace {

// The walk's stretches of whole runs mapped character by character (MapRun::Write); LF for a
// paragraph mark.
template <class OutType, class MapRun>
struct RunWriter {
  using Out = OutType;
  // One character for each: a paragraph mark becomes LF, a run keeps its length.
  static constexpr std::size_t kRoomPerCharacter = 1;

  void BeginParagraph(Out&, std::u16string_view, bool ended) { ended_ = ended; }
  void Codes(Out& out, const Document::FormattedCodes& codes) { MapRun::Write(codes, out); }
  void EndParagraph(Out& out) {
    if (ended_) out.push_back('\n');
  }
  void Finish(Out&) {}

 private:
  bool ended_ = false;
};

// Characters [from, to) as they are, or each in its form.
template <class Out>
void Copy(const Document::FormattedCodes& codes, std::size_t from, std::size_t to, Out& out,
          char16_t (*form)(char16_t) = nullptr) {
  if constexpr (std::same_as<Out, RenderBuffer<char16_t>>) {
    // One unit for each: written through a pointer into room made once.
    char16_t* at = out.Room(to - from);
    for (std::size_t i = from; i < to; ++i) *at++ = form == nullptr ? codes[i] : form(codes[i]);
    out.Advance(to - from);
  } else {
    for (std::size_t i = from; i < to; ++i)
      Append(out, form == nullptr ? codes[i] : form(codes[i]));
  }
}

struct Plain {
  template <class Out>
  static void Write(const Document::FormattedCodes& codes, Out& out) {
    Copy(codes, 0, codes.size(), out);
  }
};

struct InUnicodeForms {
  template <class Out>
  static void Write(const Document::FormattedCodes& codes, Out& out) {
    for (std::size_t i = 0; i < codes.size();) {
      const uint32_t key = codes.FormatKey(i);
      const CharFormat& format = codes.Format(i);
      // A subscript or superscript small capital has no character of its own: the script wins.
      char16_t (*form)(char16_t) = format.subscript         ? &ToSubscriptForm
                                   : format.superscript     ? &ToSuperscriptForm
                                   : LooksSmallCaps(format) ? &ToSmallCapitalForm
                                                            : nullptr;
      const std::size_t from = i;
      while (++i < codes.size() && codes.FormatKey(i) == key) {
      }
      Copy(codes, from, i, out, form);
    }
  }
};

template <class Out>
using TextWriter = RunWriter<Out, Plain>;
template <class Out>
using UnicodeWriter = RunWriter<Out, InUnicodeForms>;

}  // namespace

std::u16string RenderText(const Document& document) {
  return RenderUnits<TextWriter>(document);
}

void RenderText(const Document& document, const RenderSink& sink) {
  RenderUnits<TextWriter>(document, sink);
}

std::string RenderTextUtf8(const Document& document) {
  return RenderBytes<TextWriter>(document);
}

void RenderTextUtf8(const Document& document, const Utf8RenderSink& sink) {
  RenderBytes<TextWriter>(document, sink);
}

std::u16string RenderUnicode(const Document& document) {
  return RenderUnits<UnicodeWriter>(document);
}

void RenderUnicode(const Document& document, const RenderSink& sink) {
  RenderUnits<UnicodeWriter>(document, sink);
}

std::string RenderUnicodeUtf8(const Document& document) {
  return RenderBytes<UnicodeWriter>(document);
}

void RenderUnicodeUtf8(const Document& document, const Utf8RenderSink& sink) {
  RenderBytes<UnicodeWriter>(document, sink);
}

std::unique_ptr<ParagraphWriter> MakeTextWriter() {
  return std::make_unique<WriterOf<TextWriter<RenderBuffer<char16_t>>>>();
}

std::unique_ptr<ParagraphWriter> MakeUnicodeWriter() {
  return std::make_unique<WriterOf<UnicodeWriter<RenderBuffer<char16_t>>>>();
}

}  // namespace glyphwright
