// The plain and the Unicode renderings.
#include "document/render_stream.h"
#include "document/renderers.h"
#include "document/unicode_scripts.h"
#include "document/unicode_small_capitals.h"

namespace glyphwright {
namespace {

// Each run mapped character by character; LF for a paragraph mark.
template <void (*kMapRun)(const Document::RunCodes&, const CharFormat&, std::u16string&)>
struct RunWriter {
  // One character for each: a paragraph mark becomes LF, a run keeps its length.
  static constexpr std::size_t kRoomPerCharacter = 1;

  void BeginParagraph(std::u16string&, std::u16string_view, bool ended) { ended_ = ended; }
  void RunInPlace(std::u16string& out, const Document::RunCodes& codes, const CharFormat& format) {
    kMapRun(codes, format, out);
  }
  void EndParagraph(std::u16string& out) {
    if (ended_) out.push_back(u'\n');
  }
  void Finish(std::u16string&) {}

 private:
  bool ended_ = false;
};

void PlainRun(const Document::RunCodes& codes, const CharFormat&, std::u16string& out) {
  for (std::size_t i = 0; i < codes.size(); ++i) out.push_back(codes[i]);
}

void UnicodeRun(const Document::RunCodes& codes, const CharFormat& format, std::u16string& out) {
  // A subscript or superscript small capital has no character of its own: the script wins.
  char16_t (*form)(char16_t) = format.subscript         ? &ToSubscriptForm
                               : format.superscript     ? &ToSuperscriptForm
                               : LooksSmallCaps(format) ? &ToSmallCapitalForm
                                                        : nullptr;
  if (form == nullptr) {
    PlainRun(codes, format, out);
    return;
  }
  for (std::size_t i = 0; i < codes.size(); ++i) out.push_back(form(codes[i]));
}

using TextWriter = RunWriter<&PlainRun>;
using UnicodeWriter = RunWriter<&UnicodeRun>;

}  // namespace

std::u16string RenderText(const Document& document) {
  return RenderWhole<TextWriter>(document);
}

void RenderText(const Document& document, const RenderSink& sink) {
  RenderInPieces<TextWriter>(document, sink);
}

std::u16string RenderUnicode(const Document& document) {
  return RenderWhole<UnicodeWriter>(document);
}

void RenderUnicode(const Document& document, const RenderSink& sink) {
  RenderInPieces<UnicodeWriter>(document, sink);
}

std::unique_ptr<ParagraphWriter> MakeTextWriter() {
  return std::make_unique<WriterOf<TextWriter>>();
}

std::unique_ptr<ParagraphWriter> MakeUnicodeWriter() {
  return std::make_unique<WriterOf<UnicodeWriter>>();
}

}  // namespace glyphwright
