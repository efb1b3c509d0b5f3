#include "document/render_together.h"

#include <array>

#include "document/render_stream.h"

namespace glyphwright {
namespace {

// Hands each paragraph and run to every writer, each writing into its own string.
class FanOut {
 public:
  FanOut(std::array<std::unique_ptr<ParagraphWriter>, 3> writers,
         std::array<std::u16string*, 3> outs)
      : writers_(std::move(writers)), outs_(outs) {}

  void BeginParagraph(std::u16string_view style, bool ended) {
    for (std::size_t i = 0; i < writers_.size(); ++i) {
      writers_[i]->BeginParagraph(*outs_[i], style, ended);
    }
  }
  void RunInPlace(const Document::RunCodes& codes, const CharFormat& format) {
    for (std::size_t i = 0; i < writers_.size(); ++i) {
      writers_[i]->RunInPlace(*outs_[i], codes, format);
    }
  }
  void EndParagraph() {
    for (std::size_t i = 0; i < writers_.size(); ++i) writers_[i]->EndParagraph(*outs_[i]);
  }
  void Finish() {
    for (std::size_t i = 0; i < writers_.size(); ++i) writers_[i]->Finish(*outs_[i]);
  }

 private:
  std::array<std::unique_ptr<ParagraphWriter>, 3> writers_;
  std::array<std::u16string*, 3> outs_;
};

}  // namespace

HtmlTextUnicode RenderHtmlTextUnicode(const Document& document) {
  HtmlTextUnicode result;
  std::array<std::unique_ptr<ParagraphWriter>, 3> writers = {MakeHtmlWriter(), MakeTextWriter(),
                                                             MakeUnicodeWriter()};
  const std::array<std::u16string*, 3> outs = {&result.html, &result.text, &result.unicode};
  const auto size = static_cast<std::size_t>(document.Size());
  for (std::size_t i = 0; i < writers.size(); ++i) outs[i]->reserve(writers[i]->Room(size));
  FanOut fanOut(std::move(writers), outs);
  document.VisitParagraphs(fanOut);
  fanOut.Finish();
  return result;
}

}  // namespace glyphwright
