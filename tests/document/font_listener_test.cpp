// The FontListener answers, called by name with the answer written into a by-reference argument.
#include <gtest/gtest.h>

#include "automation/dispatch.h"
#include "document_test_support.h"

namespace glyphwright {
namespace {

int32_t Ask(Document& document, std::u16string_view operation, int32_t index, int32_t length) {
  // The caller presets the answer; the listener must overwrite it.
  Variant indexArg(index), lengthArg(length), value(int32_t{12345});
  Variant* args[] = {&indexArg, &lengthArg, &value};
  CallByName(document, operation, InvokeKind::Method, args);
  EXPECT_EQ(value.GetType(), Variant::Type::Long);
  return value.ToLong();
}

TEST(FontListenerTest, AnswersWholeNoneOrMixed) {
  // "C6H12O6": the 6 subscript, the 12 half subscript, the last 6 superscript.
  auto document = std::make_shared<Document>(u"C6H12O6");
  RunOn(document, ScriptWriter()
                      .Command2(u"Subscript", 1, 1)
                      .Command2(u"Subscript", 3, 1)
                      .Command2(u"Superscript", 6, 1)
                      .Script());
  struct Case {
    int32_t index, length, subscript, superscript;
  };
  const Case cases[] = {
      {1, 1, -1, 0},
      {3, 2, 9999999, 0},
      {4, 1, 0, 0},
      {6, 1, 0, -1},
      {5, 2, 0, 9999999},
      {0, 7, 9999999, 9999999},
      {1, 0, 0, 0},         // an empty range has nothing
                            // set
      {-3, 5, 9999999, 0},  // clamped to "C6"
      {6, 100, 0, -1},      // clamped to the last 6
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.index << "," << c.length);
    EXPECT_EQ(Ask(*document, u"GetSubscript", c.index, c.length), c.subscript);
    EXPECT_EQ(Ask(*document, u"GetSuperscript", c.index, c.length), c.superscript);
  }
}

TEST(FontListenerTest, RangesCountFromTheOrigin) {
  Document document = Document::FromHtml(u"x<sub>2</sub> H<sub>2</sub>O");
  document.Select(3, 3);
  EXPECT_EQ(document.BeginQuery(), u"H2O");
  EXPECT_EQ(Ask(document, u"GetSubscript", 1, 1), -1);
  EXPECT_EQ(Ask(document, u"GetSubscript", 0, 1), 0);
  EXPECT_EQ(Ask(document, u"GetSubscript", -2, 1), -1);
}

TEST(FontListenerTest, MemberTableMarksTheAnswerByReference) {
  for (const MemberRow& member : Document::Members()) {
    if (member.name != u"GetSubscript" && member.name != u"GetSuperscript") continue;
    ASSERT_EQ(member.params().size(), 3u);
    EXPECT_FALSE(member.params()[0].byRef);
    EXPECT_TRUE(member.params()[2].byRef);
    EXPECT_EQ(member.params()[2].name, u"Value");
  }
}

TEST(FontListenerTest, EveryHostOperationIsCallableByName) {
  Document document(u"abc");
  for (const std::u16string_view name :
       {u"QueryValue", u"SetSubscript", u"SetSuperscript", u"SetSmall", u"SetStyle", u"ApplyStyle",
        u"ReplaceChar", u"TypeBackspace", u"TypeParagraph", u"TypeText", u"MoveCursor", u"CopyText",
        u"CutText", u"PasteText", u"DeleteText", u"SelectRange", u"GetSubscript", u"GetSuperscript",
        u"typetext"}) {
    EXPECT_NE(document.GetIDsOfNames(name), kUnknownDispId) << Utf16ToUtf8(name);
  }
  EXPECT_EQ(document.GetIDsOfNames(u"FontListener"), kUnknownDispId);
}

}  // namespace
}  // namespace glyphwright
