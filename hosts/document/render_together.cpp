#include "document/render_together.h"

#include <array>

#include "document/render_stream.h"

namespace glyphwright {
namespace {

// Hands each paragraph and run to every writer, each writing into its own string.
class FanOut {
 public:
  FanOut(std::array<std::unique_ptr<ParagraphWriter>, 3> writers,
         std::array<RenderBuffer<char16_t>*, 3> outs)
      : writers_(std::move(writers)), outs_(outs) {}

  void BeginParagraph(std::u16string_view style, bool ended) {
    for (std::size_t i = 0; i < writers_.size(); ++i) {
      writers_[i]->BeginParagraph(*outs_[i], style, ended);
    }
  }
  void Codes(const Document::FormattedCodes& codes) {
    for (std::size_t i = 0; i < writers_.size(); ++i) writers_[i]->Codes(*outs_[i], codes);
  }
  void EndParagraph() {
    for (std::size_t i = 0; i < writers_.size(); ++i) writers_[i]->EndParagraph(*outs_[i]);
  }
  void Finish() {
    for (std::size_t i = 0; i < writers_.size(); ++i) writers_[i]->Finish(*outs_[i]);
  }

 private:
  std::array<std::unique_ptr<ParagraphWriter>, 3> writers_;
  std::array<RenderBuffer<char16_t>*, 3> outs_;
};

}  // namespace

HtmlTextUnicode RenderHtmlTextUnicode(const Document& document) {
  HtmlTextUnicode result;
  std::array<std::unique_ptr<ParagraphWriter>, 3> writers = {MakeHtmlWriter(), MakeTextWriter(),
                                                             MakeUnicodeWriter()};
  std::array<RenderBuffer<char16_t>, 3> buffers;
  const std::array<RenderBuffer<char16_t>*, 3> outs = {&buffers[0], &buffers[1], &buffers[2]};
  const auto size = static_cast<std::size_t>(document.Size());
  for (std::size_t i = 0; i < writers.size(); ++i) outs[i]->reserve(writers[i]->Room(size));
  FanOut fanOut(std::move(writers), outs);
  document.VisitParagraphs(fanOut);
  fanOut.Finish();
  result.html = buffers[0].Take();
  result.text = buffers[1].Take();
  result.unicode = buffers[2].Take();
  return result;
}

}  // namespace glyphwright
