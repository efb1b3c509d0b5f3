#include <gtest/gtest.h>

#include "script/builders.h"
#include "script/vocabulary.h"

namespace glyphwright {
namespace {

TEST(BuildersTest, WriteValueLinesBeforeTheWord) {
  EXPECT_EQ(MakeCommand(u"Paste"), u"Paste\n");
  EXPECT_EQ(MakeValue(u""), u"=\n");
  EXPECT_EQ(MakeValue(u" a=b "), u"= a=b \n");  // values are never trimmed or escaped
  EXPECT_EQ(MakeCommand1(u"GoTo", u"PrevChar"), u"=PrevChar\nGoTo\n");
  EXPECT_EQ(MakeCommand2(u"Subscript", u"1", u"1"), u"=1\n=1\nSubscript\n");
  EXPECT_EQ(MakeCommand2(u"Copy", u"4", u"2") + MakeCommand(u"Paste"), u"=4\n=2\nCopy\nPaste\n");
}

TEST(ScriptWriterTest, WritesNumbersInPlainDecimal) {
  ScriptWriter writer;
  writer.Command2(u"ReplaceChar", 10, -155).Command1(u"GoTo", 0).Value(u"$CursorPosition");
  EXPECT_EQ(writer.Script(), u"=10\n=-155\nReplaceChar\n=0\nGoTo\n=$CursorPosition\n");
}

TEST(VocabularyTest, WordsMatchExactly) {
  EXPECT_EQ(FindWord(u"Subscript"), Word::Subscript);
  EXPECT_EQ(FindWord(u"Chemical Italic"), Word::ChemicalItalic);
  EXPECT_EQ(FindWord(u"subscript"), Word::None);
  EXPECT_EQ(FindWord(u"Subscript "), Word::None);
  EXPECT_EQ(FindWord(u"Subscript\r"), Word::None);
  EXPECT_EQ(FindWord(u""), Word::None);
  EXPECT_EQ(WordText(Word::ChemicalSmall), u"Chemical Small");
}

}  // namespace
}  // namespace glyphwright
