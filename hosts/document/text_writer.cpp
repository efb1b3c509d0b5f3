// The plain and the Unicode renderings.
#include "document/render_append.h"
#include "document/render_stream.h"
#include "document/renderers.h"
#include "document/unicode_scripts.h"
#include "document/unicode_small_capitals.h"

namespace glyphwright {
namespace {

// Each run mapped character by character (MapRun::Write); LF for a paragraph mark.
template <class OutType, class MapRun>
struct RunWriter {
  using Out = OutType;
  // One character for each: a paragraph mark becomes LF, a run keeps its length.
  static constexpr std::size_t kRoomPerCharacter = 1;

  void BeginParagraph(Out&, std::u16string_view, bool ended) { ended_ = ended; }
  void RunInPlace(Out& out, const Document::RunCodes& codes, const CharFormat& format) {
    MapRun::Write(codes, format, out);
  }
  void EndParagraph(Out& out) {
    if (ended_) out.push_back('\n');
  }
  void Finish(Out&) {}

 private:
  bool ended_ = false;
};

template <class Out>
void PlainRun(const Document::RunCodes& codes, const CharFormat&, Out& out) {
  for (std::size_t i = 0; i < codes.size(); ++i) Append(out, codes[i]);
}

template <class Out>
void UnicodeRun(const Document::RunCodes& codes, const CharFormat& format, Out& out) {
  // A subscript or superscript small capital has no character of its own: the script wins.
  char16_t (*form)(char16_t) = format.subscript         ? &ToSubscriptForm
                               : format.superscript     ? &ToSuperscriptForm
                               : LooksSmallCaps(format) ? &ToSmallCapitalForm
                                                        : nullptr;
  if (form == nullptr) {
    PlainRun(codes, format, out);
    return;
  }
  for (std::size_t i = 0; i < codes.size(); ++i) Append(out, form(codes[i]));
}

struct Plain {
  template <class Out>
  static void Write(const Document::RunCodes& codes, const CharFormat& format, Out& out) {
    PlainRun(codes, format, out);
  }
};
struct InUnicodeForms {
  template <class Out>
  static void Write(const Document::RunCodes& codes, const CharFormat& format, Out& out) {
    UnicodeRun(codes, format, out);
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
