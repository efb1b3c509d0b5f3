// The renderings written as UTF-8 bytes must be, byte for byte, the code units' renderings
// converted: every length of sequence, at the edges of runs and of pieces, surrogate pairs whose
// halves are written apart, and lone surrogates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/render_stream.h"
#include "document_test_support.h"

namespace glyphwright {
namespace {

CharFormat Plain() {
  return {};
}
CharFormat Sub() {
  return Format(u"", true);
}
CharFormat Styled(std::u16string style) {
  return Format(std::move(style));
}
CharFormat SmallCaps() {
  return Format(u"", false, false, true);
}

struct Form {
  const char* name;
  std::u16string (*units)(const Document&);
  std::string (*bytes)(const Document&);
  void (*bytesInPieces)(const Document&, const Utf8RenderSink&);
};

const Form kForms[] = {
    {"html", RenderHtml, RenderHtmlUtf8, RenderHtmlUtf8},
    {"text", RenderText, RenderTextUtf8, RenderTextUtf8},
    {"unicode", RenderUnicode, RenderUnicodeUtf8, RenderUnicodeUtf8},
    {"json", RenderJson, RenderJsonUtf8, RenderJsonUtf8},
};

std::vector<std::string> BytePieces(const Form& form, const Document& document) {
  std::vector<std::string> pieces;
  form.bytesInPieces(document, [&](std::string_view piece) { pieces.emplace_back(piece); });
  return pieces;
}

// Whole and in pieces, the bytes are the code units converted; each piece is well-formed UTF-8
// by itself, so no sequence is cut between two.
void ExpectBytesOfUnits(const Document& document) {
  for (const Form& form : kForms) {
    SCOPED_TRACE(form.name);
    const std::string expected = Utf16ToUtf8(form.units(document));
    EXPECT_EQ(form.bytes(document), expected);
    std::string joined;
    for (const std::string& piece : BytePieces(form, document)) {
      EXPECT_FALSE(piece.empty());
      EXPECT_EQ(FindInvalidUtf8(piece), std::nullopt);
      joined += piece;
    }
    EXPECT_EQ(joined, expected);
  }
}

constexpr char16_t kHigh = 0xD83D;  // with kLow: U+1F600
constexpr char16_t kLow = 0xDE00;
const std::string kPairBytes = "\xF0\x9F\x98\x80";
const std::string kReplacement = "\xEF\xBF\xBD";

struct BytesCase {
  const char* name;
  std::vector<Piece> pieces;
  std::string html;
  std::string text;
};

TEST(RenderBytesTest, SurrogatesAndEscapesAtTheEdgesOfRuns) {
  const BytesCase cases[] = {
      {"a pair inside a run",
       {{{u'a', kHigh, kLow}, Plain()}},
       "<p>a" + kPairBytes + "</p>\n",
       "a" + kPairBytes},
      {"a pair cut between runs that differ in their elements",
       {{{u'a', kHigh}, Sub()}, {{kLow, u'b'}, Plain()}},
       "<p><sub>a" + kReplacement + "</sub>" + kReplacement + "b</p>\n",
       "a" + kPairBytes + "b"},
      // A style that makes no class has no span: nothing comes between the halves.
      {"a pair cut between runs that look alike",
       {{{kHigh}, Styled(u"!!")}, {{kLow}, Plain()}},
       "<p>" + kPairBytes + "</p>\n",
       kPairBytes},
      {"a lone high surrogate at the end",
       {{{u'a', kHigh}, Plain()}},
       "<p>a" + kReplacement + "</p>\n",
       "a" + kReplacement},
      {"a lone low surrogate first",
       {{{kLow, u'a'}, Plain()}},
       "<p>" + kReplacement + "a</p>\n",
       kReplacement + "a"},
      {"two high surrogates, then a low",
       {{{kHigh, kHigh, kLow}, Plain()}},
       "<p>" + kReplacement + kPairBytes + "</p>\n",
       kReplacement + kPairBytes},
      {"a low surrogate, then a high",
       {{{kLow, kHigh}, Plain()}},
       "<p>" + kReplacement + kReplacement + "</p>\n",
       kReplacement + kReplacement},
      {"a high surrogate before a paragraph mark",
       {{{kHigh, u'\r', kLow}, Plain()}},
       "<p>" + kReplacement + "</p>\n<p>" + kReplacement + "</p>\n",
       kReplacement + "\n" + kReplacement},
      {"a high surrogate before an escape",
       {{{kHigh, u'&'}, Plain()}},
       "<p>" + kReplacement + "&amp;</p>\n",
       kReplacement + "&"},
      // U+D7FF and U+FFFD share a first byte or all bytes with what a lone surrogate becomes:
      // they stay as they are.
      {"the characters next to the surrogates",
       {{{0xD7FF, 0xE000, 0xFFFD, 0xFFFF}, Plain()}},
       "<p>\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBD\xEF\xBF\xBF</p>\n",
       "\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBD\xEF\xBF\xBF"},
      {"every length of sequence at the edges of runs",
       {{u"\u00e9", Sub()}, {u"\u20ac", Plain()}, {{kHigh, kLow}, Sub()}, {u"x", Plain()}},
       "<p><sub>\xC3\xA9</sub>\xE2\x82\xAC<sub>" + kPairBytes + "</sub>x</p>\n",
       "\xC3\xA9\xE2\x82\xAC" + kPairBytes + "x"},
      {"small capitals beyond ASCII",
       {{u"\u00c9\u00e9", SmallCaps()}},
       "<p><span style=\"font-variant:small-caps\"><small>\xC3\x89</small>\xC3\xA9</span></p>\n",
       "\xC3\x89\xC3\xA9"},
      {"a class beyond ASCII",
       {{u"a", Styled(u"\u00c9t\u00e9")}},
       "<p><span class=\"\xC3\x89t\xC3\xA9\">a</span></p>\n",
       "a"},
  };
  for (const BytesCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Document document = Made(c.pieces);
    EXPECT_EQ(RenderHtmlUtf8(document), c.html);
    EXPECT_EQ(RenderTextUtf8(document), c.text);
    ExpectBytesOfUnits(document);
  }
}

TEST(RenderBytesTest, JsonEscapesALoneSurrogateAndKeepsAPair) {
  const Document document = Made({{{kHigh, kLow, kHigh}, Plain()}, {u"\"\t", Sub()}});
  EXPECT_EQ(RenderJsonUtf8(document),
            "{\"paragraphs\":[{\"style\":\"\",\"runs\":[{\"text\":\"" + kPairBytes +
                "\\ud83d\"},{\"text\":\"\\\"\\t\",\"subscript\":true}]}]}");
}

// Runs that fill a piece up to just before, at and just after the unit where it may be handed
// over, then a character of every length: wherever the piece is cut, it is cut between
// characters, and a pair written in two runs is one character.
TEST(RenderBytesTest, EveryLengthOfSequenceAtTheEdgeOfAPiece) {
  const std::u16string characters[] = {u"x", u"\u00e9", u"\u20ac", {kHigh, kLow}};
  for (std::size_t fill = kRenderPieceSize - 8; fill <= kRenderPieceSize + 4; ++fill) {
    for (const std::u16string& character : characters) {
      SCOPED_TRACE(testing::Message() << "fill " << fill << ", character of "
                                      << Utf16ToUtf8(character).size() << " bytes");
      std::vector<Piece> pieces = {{std::u16string(fill, u'a'), Plain()}};
      // The character in runs of its own (two formats that add no elements between them), and a
      // pair also cut between two runs.
      for (int repeat = 0; repeat < 6; ++repeat) {
        pieces.push_back({character, repeat % 2 == 0 ? Styled(u"!!") : Plain()});
      }
      if (character.size() == 2) {
        pieces.push_back({character.substr(0, 1), Plain()});
        pieces.push_back({character.substr(1), Styled(u"!!")});
      }
      pieces.push_back({u"end", Sub()});
      ExpectBytesOfUnits(Made(pieces));
    }
  }
}

// The halves of a pair written in two runs, with the piece full when the high one is written:
// the pair must stay whole, in one piece.
TEST(RenderBytesTest, APairCutBetweenRunsWhereAPieceWouldEnd) {
  for (std::size_t fill = kRenderPieceSize - 8; fill <= kRenderPieceSize + 1; ++fill) {
    SCOPED_TRACE(testing::Message() << "fill " << fill);
    const Document document = Made({{std::u16string(fill, u'a') + kHigh, Plain()},
                                    {std::u16string(1, kLow) + u"b", Styled(u"!!")}});
    ExpectBytesOfUnits(document);
    EXPECT_NE(RenderTextUtf8(document).find(kPairBytes), std::string::npos);
  }
}

// Random documents of every kind of run, pieces and all, against the code units converted.
TEST(RenderBytesTest, RandomDocumentsAgreeWithTheCodeUnits) {
  const char16_t pool[] = {u'a',   u'D',   u'2',   u'&',   u'<',   u'>',   u'"',
                           u'\t',  u'\r',  u'\n',  0x00E9, 0x00C9, 0x0391, 0x07FF,
                           0x0800, 0x2082, 0xD7FF, 0xFFFD, kHigh,  kLow,   0xDBFF};
  const char16_t* styles[] = {
      u"", u"", u"My Style", u"Chemical Italic", u"Chemical Small", u"!!", u"\u00e9t\u00e9"};
  const char16_t* paragraphStyles[] = {u"", u"NMR Spec Table", u"Heading 1", u"!!"};
  uint32_t seed = 2024;
  const auto next = [&seed](uint32_t bound) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % bound;
  };
  for (int round = 0; round < 400; ++round) {
    Document document;
    const bool large = round % 50 == 0;
    for (uint32_t run = 0, runs = next(10); run < runs; ++run) {
      CharFormat format;
      format.subscript = next(3) == 0;
      format.superscript = !format.subscript && next(4) == 0;
      format.smallCaps = next(4) == 0;
      format.italic = next(4) == 0;
      format.bold = next(6) == 0;
      format.style = styles[next(7)];
      std::u16string text;
      for (uint32_t k = 0, length = large ? 1 + next(9000) : 1 + next(5); k < length; ++k) {
        text += pool[next(sizeof(pool) / sizeof(pool[0]))];
      }
      document.Append(text, format);
    }
    for (uint32_t k = 0, styled = next(3); k < styled && document.Size() > 0; ++k) {
      document.Select(static_cast<int32_t>(next(static_cast<uint32_t>(document.Size()) + 1)), 0);
      document.ApplyStyle(paragraphStyles[next(4)]);
    }
    SCOPED_TRACE(testing::Message() << "round " << round);
    ExpectBytesOfUnits(document);
  }
}

}  // namespace
}  // namespace glyphwright
