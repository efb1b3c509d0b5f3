// How the document cuts its text into paragraphs and runs, which every renderer reads.
#include <gtest/gtest.h>

#include "document/document.h"

namespace glyphwright {
namespace {

CharFormat Sub() {
  CharFormat format;
  format.subscript = true;
  return format;
}

CharFormat Styled(std::u16string style) {
  CharFormat format;
  format.style = std::move(style);
  return format;
}

// Each paragraph as "style|run/run/run|ended", each run as its text and format marks.
std::vector<std::string> Shape(const Document& document) {
  std::vector<std::string> shape;
  for (const Paragraph& paragraph : document.Paragraphs()) {
    std::string line(paragraph.style.begin(), paragraph.style.end());
    line += '|';
    for (const Run& run : paragraph.runs) {
      if (line.back() != '|') line += '/';
      line.append(run.text.begin(), run.text.end());
      if (run.format.subscript) line += "_";
      if (run.format.bold) line += "!";
      if (!run.format.style.empty())
        line += "@" + std::string(run.format.style.begin(), run.format.style.end());
    }
    line += paragraph.ended ? "|ended" : "|open";
    shape.push_back(line);
  }
  return shape;
}

TEST(DocumentRunsTest, RunsEndWhereFlagsOrStyleChangeAndAtEveryMark) {
  Document document;
  document.Append(u"H", {});
  document.Append(u"2", Sub());
  document.Append(u"2", Sub());  // the same format: one run with the first 2
  document.Append(u"O", {});
  document.Append(u"x", Styled(u"Chemical Italic"));
  document.Append(u"y", Styled(u"Chemical Small"));  // same flags, other style
  document.Append(u"a\rb", Sub());                   // a mark cuts a run of one format
  document.Append(u"c", {});
  EXPECT_EQ(Shape(document),
            (std::vector<std::string>{"|H/22_/O/x@Chemical Italic/y@Chemical Small/a_|ended",
                                      "|b_/c|open"}));
}

TEST(DocumentRunsTest, MarksAppendedTogetherAreParagraphsOfTheirOwn) {
  Document document(u"\r\rab\r");
  EXPECT_EQ(Shape(document), (std::vector<std::string>{"||ended", "||ended", "|ab|ended"}));
  EXPECT_EQ(Shape(Document()), (std::vector<std::string>{"||open"}));
}

TEST(DocumentRunsTest, AppendKeepsTheTextAndTheFormatOfEveryCharacter) {
  Document document(u"x");
  CharFormat bold;
  bold.bold = true;
  document.Append(u"", bold);
  document.Append(u"\u03B4\rz", bold);
  EXPECT_EQ(document.Text(), u"x\u03B4\rz");
  EXPECT_FALSE(document.FormatAt(0).bold);
  EXPECT_TRUE(document.FormatAt(1).bold);
  EXPECT_FALSE(document.FormatAt(2).bold);  // a mark carries no character format
  EXPECT_TRUE(document.FormatAt(3).bold);
  EXPECT_EQ(document.SelectedText(), u"x");
  document.Select(1, 3);
  EXPECT_EQ(document.SelectedText(), u"\u03B4\rz");
}

}  // namespace
}  // namespace glyphwright
