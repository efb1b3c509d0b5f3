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
  void Run(const glyphwright::Run& run) {
    for (std::size_t i = 0; i < writers_.size(); ++i) writers_[i]->Run(*outs_[i], run);
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
  // Room for what each rendering usually takes, so that none is copied as it grows: the text
  // and its Unicode form keep the document's length, the HTML adds some markup.
  const auto size = static_cast<std::size_t>(document.Size());
  result.html.reserve(size * 2 + 32);
  result.text.reserve(size + 1);
  result.unicode.reserve(size + 1);
  FanOut fanOut({MakeHtmlWriter(), MakeTextWriter(), MakeUnicodeWriter()},
                {&result.html, &result.text, &result.unicode});
  document.VisitParagraphs(fanOut);
  fanOut.Finish();
  return result;
}

}  // namespace glyphwright
