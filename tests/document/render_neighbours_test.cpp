// What a renderer remembers from one run or paragraph to the next (the named style and its class,
// the open elements, the run's format, the paragraph's class) must never leak into a neighbour
// that differs from it in any way.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "document/render_stream.h"
#include "document/render_together.h"
#include "document_test_support.h"

namespace glyphwright {
namespace {

struct HtmlCase {
  const char* name;
  std::vector<Piece> pieces;
  std::string html;
};

const std::u16string kSmallCapsOpen = u"<span style=\"font-variant:small-caps\">";

TEST(RenderNeighboursTest, HtmlOfNeighbouringRuns) {
  const HtmlCase cases[] = {
      {"two named styles, equal flags",
       {{u"a", Format(u"My Style")}, {u"b", Format(u"Other Style")}},
       "<p><span class=\"my-style\">a</span><span class=\"other-style\">b</span></p>\n"},
      // The span is the class: two names that make one class share it.
      {"two names of one class",
       {{u"a", Format(u"My Style")}, {u"b", Format(u"my-style")}},
       "<p><span class=\"my-style\">ab</span></p>\n"},
      {"one style, flags change",
       {{u"a", Format(u"S", true)}, {u"b", Format(u"S")}},
       "<p><span class=\"s\"><sub>a</sub>b</span></p>\n"},
      {"a style, none, the style again",
       {{u"a", Format(u"S")}, {u"b", Format(u"")}, {u"c", Format(u"S")}},
       "<p><span class=\"s\">a</span>b<span class=\"s\">c</span></p>\n"},
      {"a style, another, the first again",
       {{u"a", Format(u"S")}, {u"b", Format(u"T")}, {u"c", Format(u"S")}},
       "<p><span class=\"s\">a</span><span class=\"t\">b</span><span class=\"s\">c</span></p>\n"},
      {"italic, then a style that looks italic",
       {{u"a", Format(u"", false, true)}, {u"b", Format(u"Chemical Italic")}},
       "<p><i>a</i><span class=\"chemical-italic\"><i>b</i></span></p>\n"},
      {"a style that looks italic, then italic",
       {{u"a", Format(u"Chemical Italic")}, {u"b", Format(u"", false, true)}},
       "<p><span class=\"chemical-italic\"><i>a</i></span><i>b</i></p>\n"},
      // A name that makes no class has no span: the runs look alike and share their <i>.
      {"a style without a class",
       {{u"a", Format(u"!!", false, true)}, {u"b", Format(u"", false, true)}},
       "<p><i>ab</i></p>\n"},
      {"small capitals, capitals and lower case, then a subscript",
       {{u"Dd", Format(u"", false, false, true)}, {u"2", Format(u"", true, false, true)}},
       "<p><span style=\"font-variant:small-caps\"><small>D</small>d<sub>2</sub></span></p>\n"},
      {"a bold small capital, then a plain one",
       {{u"D", Format(u"", false, false, true, true)}, {u"L", Format(u"", false, false, true)}},
       "<p><span style=\"font-variant:small-caps\"><b><small>D</small></b><small>L</small>"
       "</span></p>\n"},
      {"a style that looks small, then small capitals",
       {{u"Lx", Format(u"Chemical Small")}, {u"Ly", Format(u"", false, false, true)}},
       "<p><span class=\"chemical-small\"><span style=\"font-variant:small-caps\"><small>L</small>"
       "x</span></span><span style=\"font-variant:small-caps\"><small>L</small>y</span></p>\n"},
      {"escapes at the edges of runs",
       {{u"&", Format(u"", true)},
        {u"<a>", Format(u"")},
        {u"\"", Format(u"", false, false, false, false, true)},
        {u"&x&", Format(u"", false, true)}},
       "<p><sub>&amp;</sub>&lt;a&gt;<sup>&quot;</sup><i>&amp;x&amp;</i></p>\n"},
      {"escapes in small capitals",
       {{u"<A&b>", Format(u"", false, false, true)}},
       "<p><span style=\"font-variant:small-caps\">&lt;<small>A</small>&amp;b&gt;</span></p>\n"},
      // The format a run has is made again only where it changes: across a paragraph mark it
      // stays, and must still be the run's own.
      {"one format across empty paragraphs",
       {{u"a", Format(u"S", true)}, {u"\r\r", Format(u"")}, {u"b", Format(u"S", true)}},
       "<p><span class=\"s\"><sub>a</sub></span></p>\n<p></p>\n"
       "<p><span class=\"s\"><sub>b</sub></span></p>\n"},
      {"a long run after short ones",
       {{u"x", Format(u"")}, {u"2", Format(u"", true)}, {u"long &plain", Format(u"")}},
       "<p>x<sub>2</sub>long &amp;plain</p>\n"},
  };
  for (const HtmlCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HtmlOf(Made(c.pieces)), c.html);
  }
}

Document WithParagraphStyles(std::u16string_view text,
                             const std::vector<std::pair<int32_t, std::u16string>>& styles) {
  Document document(text);
  for (const auto& [position, style] : styles) {
    document.Select(position, 0);
    document.ApplyStyle(style);
  }
  return document;
}

TEST(RenderNeighboursTest, ParagraphClassesFollowEachParagraph) {
  const Document document = WithParagraphStyles(
      u"a\rb\rc\rd\re", {{0, u"Heading 1"}, {2, u"Heading 1"}, {6, u"Heading 1"}, {8, u"Body"}});
  EXPECT_EQ(HtmlOf(document),
            "<p class=\"heading-1\">a</p>\n<p class=\"heading-1\">b</p>\n<p>c</p>\n"
            "<p class=\"heading-1\">d</p>\n<p class=\"body\">e</p>\n");
}

TEST(RenderNeighboursTest, TableCellsCutRunsAtEveryTab) {
  Document document;
  document.Append(u"\t", Format(u"", true));
  document.Append(u"x\t", Format(u"", false, true));
  document.Append(u"\ty", Format(u""));
  document.Append(u"D\td\r", Format(u"", false, false, true));
  document.Append(u"&\t<", Format(u"S"));
  document.Select(0, 0);
  document.ApplyStyle(kNmrSpecTable);
  document.Select(document.Size(), 0);
  document.ApplyStyle(kNmrSpecTable);
  const std::u16string html = RenderHtml(document);
  EXPECT_EQ(Utf16ToUtf8(html),
            "<table class=\"nmr-spec-table\">\n"
            "<tr><td></td><td><i>x</i></td><td></td><td>y" +
                Utf16ToUtf8(kSmallCapsOpen) + "<small>D</small></span></td><td>" +
                Utf16ToUtf8(kSmallCapsOpen) +
                "d</span></td></tr>\n"
                "<tr><td><span class=\"s\">&amp;</span></td><td><span class=\"s\">&lt;</span>"
                "</td></tr>\n"
                "</table>\n");
  EXPECT_TRUE(RenderHtmlTextUnicode(document).html == html);
}

// The runs a renderer is shown, read in place, against what the document says of each character.
struct SeenRuns {
  std::vector<std::pair<std::u16string, CharFormat>> runs;
  std::vector<std::size_t> paragraphStarts;  // the first run of each paragraph
  std::vector<bool> ended;

  void BeginParagraph(std::u16string_view, bool isEnded) {
    paragraphStarts.push_back(runs.size());
    ended.push_back(isEnded);
  }
  void RunInPlace(const Document::RunCodes& codes, const CharFormat& format) {
    std::u16string text;
    for (std::size_t i = 0; i < codes.size(); ++i) text.push_back(codes[i]);
    runs.emplace_back(std::move(text), format);
  }
  void EndParagraph() {}
};

// The same, shown a character at a time.
struct SeenByCharacter : SeenRuns {
  void BeginRun(const CharFormat& format) { runs.emplace_back(std::u16string(), format); }
  void Character(char16_t code) {
    if (runs.size() == paragraphStarts.back()) {
      ADD_FAILURE() << "a character before its paragraph's first run began";
      runs.emplace_back();
    }
    runs.back().first.push_back(code);
  }
};

// The same, shown stretches of whole runs, which it cuts into runs by their format keys.
struct SeenByStretch : SeenRuns {
  struct Stretch {
    std::size_t paragraph;
    uint32_t firstKey;
    uint32_t lastKey;
    std::size_t size;
  };
  std::vector<Stretch> stretches;

  void Codes(const Document::FormattedCodes& codes) {
    if (codes.size() == 0) {
      ADD_FAILURE() << "an empty stretch";
      return;
    }
    stretches.push_back({paragraphStarts.size(), codes.FormatKey(0),
                         codes.FormatKey(codes.size() - 1), codes.size()});
    for (std::size_t i = 0; i < codes.size();) {
      const uint32_t key = codes.FormatKey(i);
      const CharFormat format = codes.Format(i);
      std::u16string text;
      for (; i < codes.size() && codes.FormatKey(i) == key; ++i) text.push_back(codes[i]);
      runs.emplace_back(std::move(text), format);
    }
  }
};

template <class Seen>
Seen SeenIn(const Document& document) {
  Seen seen;
  document.VisitParagraphs(seen);
  return seen;
}

TEST(RenderNeighboursTest, RunsReadInPlaceAreTheDocumentsOwn) {
  const CharFormat formats[] = {Format(u""),
                                Format(u"", true),
                                Format(u"", false, false, false, false, true),
                                Format(u"Chemical Italic"),
                                Format(u"Chemical Italic", true),
                                Format(u"My Style"),
                                Format(u"", false, true, true, true)};
  const std::u16string pieces[] = {u"a", u"2", u"bc", u"\r", u"d\re", u"\t", u"&"};
  uint32_t seed = 1;
  const auto next = [&seed](uint32_t bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    Document document;
    const uint32_t count = next(12);
    for (uint32_t i = 0; i < count; ++i) {
      document.Append(pieces[next(static_cast<uint32_t>(std::size(pieces)))],
                      formats[next(static_cast<uint32_t>(std::size(formats)))]);
    }
    const SeenRuns seen = SeenIn<SeenRuns>(document);
    // Read a character at a time, the runs are the same, and begin again at every paragraph.
    const SeenByCharacter byCharacter = SeenIn<SeenByCharacter>(document);
    EXPECT_EQ(byCharacter.runs, seen.runs);
    EXPECT_EQ(byCharacter.paragraphStarts, seen.paragraphStarts);
    EXPECT_EQ(byCharacter.ended, seen.ended);
    // And so they are read a stretch at a time.
    const SeenByStretch byStretch = SeenIn<SeenByStretch>(document);
    EXPECT_EQ(byStretch.runs, seen.runs);
    EXPECT_EQ(byStretch.paragraphStarts, seen.paragraphStarts);
    // Every character is in its run, with its own format, in the order of the text.
    int32_t position = 0;
    std::size_t paragraph = 0;
    for (std::size_t r = 0; r < seen.runs.size(); ++r) {
      while (paragraph + 1 < seen.paragraphStarts.size() &&
             seen.paragraphStarts[paragraph + 1] <= r) {
        ++paragraph;
        ++position;  // the mark that ended the paragraph before
      }
      const auto& [text, format] = seen.runs[r];
      ASSERT_FALSE(text.empty());
      for (const char16_t code : text) {
        ASSERT_LT(position, document.Size());
        EXPECT_EQ(document.Text()[static_cast<std::size_t>(position)], code);
        EXPECT_EQ(document.FormatAt(position), format);
        ++position;
      }
      // A run is as long as its format lasts within the paragraph.
      const bool lastOfParagraph = paragraph + 1 >= seen.paragraphStarts.size()
                                       ? r + 1 == seen.runs.size()
                                       : r + 1 == seen.paragraphStarts[paragraph + 1];
      if (!lastOfParagraph) {
        EXPECT_FALSE(seen.runs[r + 1].second == format);
      }
    }
    // And the runs copied into paragraphs are the same ones.
    std::vector<std::pair<std::u16string, CharFormat>> copied;
    for (const Paragraph& p : document.Paragraphs()) {
      for (const glyphwright::Run& run : p.runs) copied.emplace_back(run.text, run.format);
    }
    EXPECT_EQ(copied, seen.runs);
  }
}

// A long paragraph comes in several stretches, each of whole runs: one run never spans two, and
// a stretch is as long as the walk's stretch unless its last run goes on.
TEST(RenderNeighboursTest, StretchesOfALongParagraphEndWhereRunsEnd) {
  Document document;
  const auto alternate = [&](int count) {
    for (int i = 0; i < count; ++i) document.Append(u"x", Format(u"", i % 2 == 0));
  };
  alternate(5000);
  document.Append(std::u16string(9000, u'y'), Format(u"S"));
  alternate(5001);
  document.Append(u"\rz", Format(u""));
  const SeenByStretch byStretch = SeenIn<SeenByStretch>(document);
  EXPECT_EQ(byStretch.runs, SeenIn<SeenRuns>(document).runs);
  ASSERT_GT(byStretch.stretches.size(), 3u);
  for (std::size_t k = 1; k < byStretch.stretches.size(); ++k) {
    const auto& before = byStretch.stretches[k - 1];
    const auto& after = byStretch.stretches[k];
    if (before.paragraph == after.paragraph) {
      EXPECT_NE(before.lastKey, after.firstKey) << k;
    }
  }
  std::size_t characters = 0;
  for (const auto& stretch : byStretch.stretches) characters += stretch.size;
  EXPECT_EQ(characters, static_cast<std::size_t>(document.Size()) - 1);  // but the mark
}

}  // namespace
}  // namespace glyphwright
