// How each renderer walks a document: a writer turns the paragraphs and runs into text as they
// come, and the text goes either into one string or, a piece at a time, to a sink.
#pragma once

#include <concepts>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "document/render_append.h"
#include "document/renderers.h"

namespace glyphwright {

// Large enough that a sink's work per piece (a conversion, a write) is cheap beside the
// rendering, small enough to stay in the cache.
inline constexpr std::size_t kRenderPieceSize = 1 << 15;

// A writer writes into Out: RenderBuffer<char16_t> for the code units, RenderBuffer<char> for
// UTF-8 bytes (see render_append.h).
template <class Writer>
using OutOf = typename Writer::Out;
// And what takes its pieces.
template <class Writer>
using SinkOf =
    std::conditional_t<std::same_as<OutOf<Writer>, RenderBuffer<char>>, Utf8RenderSink, RenderSink>;

// Whether a Writer walks a paragraph's runs itself, a stretch of whole runs at a time (Codes).
template <class Writer>
concept WritesStretches = requires(Writer& writer, OutOf<Writer>& out,
                                   const Document::FormattedCodes& codes) {
  writer.Codes(out, codes);
};

// A Writer has BeginParagraph(out, style, ended), Run(out, run) or Codes(out, codes),
// EndParagraph(out) and Finish(out), each appending its text to out. This visitor calls them as the
// document walks its paragraphs, and hands out to the sink whenever it has grown to a piece.
template <class Writer, class Sink>
class PieceVisitor {
 public:
  PieceVisitor(Writer& writer, OutOf<Writer>& out, const Sink* sink)
      : writer_(writer), out_(out), sink_(sink) {}

  void BeginParagraph(std::u16string_view style, bool ended) {
    writer_.BeginParagraph(out_, style, ended);
  }
  void Run(const glyphwright::Run& run) requires(!WritesStretches<Writer>) {
    writer_.Run(out_, run);
    HandOver();
  }
  void Codes(const Document::FormattedCodes& codes) requires WritesStretches<Writer> {
    writer_.Codes(out_, codes);
    HandOver();
  }
  void EndParagraph() {
    writer_.EndParagraph(out_);
    HandOver();
  }
  void Finish() {
    writer_.Finish(out_);
    if (sink_ == nullptr) return;
    Mend(out_);
    if (!out_.empty()) (*sink_)(out_.View());
  }

 private:
  void HandOver() {
    if (sink_ == nullptr || out_.size() < kRenderPieceSize) return;
    // A surrogate pair may be cut between two runs; it stays in one piece, or each half would be
    // read alone.
    if (EndsInHighSurrogate(out_)) return;
    Mend(out_);
    (*sink_)(out_.View());
    out_.clear();
  }

  Writer& writer_;
  OutOf<Writer>& out_;
  const Sink* sink_;
};

template <class Writer, class Sink>
void RenderParagraphs(const Document& document, Writer& writer, OutOf<Writer>& out,
                      const Sink* sink) {
  PieceVisitor<Writer, Sink> visitor(writer, out, sink);
  document.VisitParagraphs(visitor);
  visitor.Finish();
}

// Room for a writer's rendering of a document of `size` characters, so that it is not copied as
// it grows. A writer that knows how much it writes for a character says so in kRoomPerCharacter;
// room never written to costs address space, not memory.
template <class Writer>
std::size_t RoomFor(std::size_t size) {
  if constexpr (requires { Writer::kRoomPerCharacter; }) {
    return size * Writer::kRoomPerCharacter + 32;
  } else {
    return size * 2 + 32;
  }
}

template <class Writer>
typename OutOf<Writer>::String RenderWhole(const Document& document) {
  Writer writer;
  OutOf<Writer> out;
  out.reserve(RoomFor<Writer>(static_cast<std::size_t>(document.Size())));
  RenderParagraphs(document, writer, out, static_cast<const SinkOf<Writer>*>(nullptr));
  Mend(out);
  return out.Take();
}

template <class Writer, class Sink>
void RenderInPieces(const Document& document, const Sink& sink) {
  Writer writer;
  OutOf<Writer> out;
  out.reserve(2 * kRenderPieceSize);
  RenderParagraphs(document, writer, out, &sink);
}

// The same Writer for the code units and for the bytes.
template <template <class> class Writer>
std::u16string RenderUnits(const Document& document) {
  return RenderWhole<Writer<RenderBuffer<char16_t>>>(document);
}
template <template <class> class Writer>
std::string RenderBytes(const Document& document) {
  return RenderWhole<Writer<RenderBuffer<char>>>(document);
}
template <template <class> class Writer>
void RenderUnits(const Document& document, const RenderSink& sink) {
  RenderInPieces<Writer<RenderBuffer<char16_t>>>(document, sink);
}
template <template <class> class Writer>
void RenderBytes(const Document& document, const Utf8RenderSink& sink) {
  RenderInPieces<Writer<RenderBuffer<char>>>(document, sink);
}

// A Writer behind one interface, so that a single walk of the document can feed several of them
// (RenderHtmlTextUnicode) while each keeps its own file.
class ParagraphWriter {
 public:
  virtual ~ParagraphWriter() = default;
  virtual void BeginParagraph(RenderBuffer<char16_t>& out, std::u16string_view style,
                              bool ended) = 0;
  virtual void Codes(RenderBuffer<char16_t>& out, const Document::FormattedCodes& codes) = 0;
  virtual void EndParagraph(RenderBuffer<char16_t>& out) = 0;
  virtual void Finish(RenderBuffer<char16_t>& out) = 0;
  // RoomFor this writer.
  virtual std::size_t Room(std::size_t size) const = 0;
};

template <WritesStretches Writer>
requires std::same_as<OutOf<Writer>, RenderBuffer<char16_t>>
class WriterOf final : public ParagraphWriter {
 public:
  void BeginParagraph(RenderBuffer<char16_t>& out, std::u16string_view style, bool ended) override {
    writer_.BeginParagraph(out, style, ended);
  }
  void Codes(RenderBuffer<char16_t>& out, const Document::FormattedCodes& codes) override {
    writer_.Codes(out, codes);
  }
  void EndParagraph(RenderBuffer<char16_t>& out) override { writer_.EndParagraph(out); }
  void Finish(RenderBuffer<char16_t>& out) override { writer_.Finish(out); }
  std::size_t Room(std::size_t size) const override { return RoomFor<Writer>(size); }

 private:
  Writer writer_;
};

std::unique_ptr<ParagraphWriter> MakeHtmlWriter();
std::unique_ptr<ParagraphWriter> MakeTextWriter();
std::unique_ptr<ParagraphWriter> MakeUnicodeWriter();

}  // namespace glyphwright
