#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/automation_error.h"
#include "automation/dispatch.h"
#include "automation/number_text.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/script_lines.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

using testing_nmr::Lines;
using testing_nmr::Script;

// The two rows of the worked example, not ended by a carriage return: 27 characters.
const char16_t kTable[] = u"7.26\t1H\td\t8.0\r1.25\t3H\tt\t7.1";

std::vector<std::u16string> RowOfTheExample(const char16_t* shift, const char16_t* count,
                                            const char16_t* multiplicity,
                                            const char16_t* coupling) {
  return {u"=" + std::u16string(shift),
          u"TypeText",
          u"= (",
          u"TypeText",
          u"=" + std::u16string(count),
          u"TypeText",
          u"=, ",
          u"TypeText",
          u"=" + std::u16string(multiplicity),
          u"TypeText",
          u"=, ",
          u"TypeText",
          u"=J",
          u"=Italic",
          u"TypeStyledText",
          u"= = ",
          u"TypeText",
          u"=" + std::u16string(coupling),
          u"TypeText",
          u"= Hz",
          u"TypeText",
          u"=, ",
          u"TypeText",
          u"TypeBackspace",
          u"TypeBackspace",
          u"=)",
          u"TypeText",
          u"=, ",
          u"TypeText"};
}

TEST(NMRSpecFormQueryTest, TheFirstRowOfTheExampleIsTwentyNineLines) {
  const std::vector<std::u16string> row = RowOfTheExample(u"7.26", u"1H", u"d", u"8.0");
  ASSERT_EQ(row.size(), 29u);
  const std::vector<std::u16string> lines = Lines(NMRSpecFormQuery().GetCommands(kTable));
  ASSERT_GE(lines.size(), 9u + 29u);
  for (std::size_t k = 0; k < row.size(); ++k) {
    EXPECT_EQ(Utf16ToUtf8(lines[9 + k]), Utf16ToUtf8(row[k])) << "row line " << k + 1;
  }
}

TEST(NMRSpecFormQueryTest, TheWholeExampleScript) {
  std::vector<std::u16string> expected = {
      u"=EndOfSelection", u"GoTo", u"TypeParagraph", u"=!! ", u"TypeText",
      u"=PrevChar",       u"GoTo", u"=PrevChar",     u"GoTo"};
  for (const auto& row : {RowOfTheExample(u"7.26", u"1H", u"d", u"8.0"),
                          RowOfTheExample(u"1.25", u"3H", u"t", u"7.1")}) {
    expected.insert(expected.end(), row.begin(), row.end());
  }
  for (const char16_t* line : {u"TypeBackspace", u"TypeBackspace", u"=.", u"TypeText", u"=NextChar",
                               u"GoTo", u"TypeBackspace", u"=-1", u"=$CursorPosition", u"=28",
                               u"Minus", u"=0", u"=29", u"Cut", u"TypeBackspace", u"Select"}) {
    expected.push_back(line);
  }
  EXPECT_EQ(Utf16ToUtf8(NMRSpecFormQuery().GetCommands(kTable)), Utf16ToUtf8(Script(expected)));
}

// What the rows of a script type between the markers, with a paste typed as the stretch of the
// text it copies: enough to read the list a script writes.
std::u16string TypedList(const std::u16string& script, std::u16string_view text) {
  const std::vector<std::u16string> lines = Lines(script);
  std::vector<std::u16string> stack;
  std::u16string typed, clipboard;
  std::size_t k = 0;
  while (k < lines.size() && lines[k] != u"=PrevChar") ++k;
  for (k += 4; k < lines.size() && lines[k] != u"=NextChar"; ++k) {
    const std::u16string& line = lines[k];
    if (line.starts_with(u"=")) {
      stack.push_back(line.substr(1));
    } else if (line == u"TypeText") {
      typed += stack.back();
      stack.pop_back();
    } else if (line == u"TypeStyledText") {
      typed += u"<i>" + stack[stack.size() - 2] + u"</i>";
      stack.resize(stack.size() - 2);
    } else if (line == u"TypeBackspace") {
      typed.pop_back();
    } else if (line == u"Copy") {
      const auto length = std::stoul(Utf16ToUtf8(stack.back()));
      const auto start = std::stoul(Utf16ToUtf8(stack[stack.size() - 2]));
      clipboard = std::u16string(text.substr(start, length));
      stack.resize(stack.size() - 2);
    } else if (line == u"Paste") {
      typed += u"[" + clipboard + u"]";
    }
  }
  return typed;
}

struct Case {
  const char16_t* text;
  const char16_t* typed;
  int jValueStyle = 1;
  const char16_t* specFormat = u"";
  const char16_t* tableFormat = u"";
};

class TypedListTest : public testing::TestWithParam<Case> {};

TEST_P(TypedListTest, TypesTheList) {
  const Case& c = GetParam();
  NMRSpecFormQuery query;
  query.SetJValueStyle(c.jValueStyle);
  query.SetSpecFormat(c.specFormat);
  query.SetTableFormat(c.tableFormat);
  EXPECT_EQ(Utf16ToUtf8(TypedList(query.GetCommands(c.text), c.text)), Utf16ToUtf8(c.typed))
      << Utf16ToUtf8(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TypedListTest,
    testing::Values(
        Case{kTable, u"7.26 (1H, d, <i>J</i> = 8.0 Hz), 1.25 (3H, t, <i>J</i> = 7.1 Hz)."},
        // JValueStyle and SpecFormat.
        Case{u"7.10\t2H\tdd\t8.0, 2.0", u"7.10 (<i>J</i> = 8.0, 2.0 Hz, 2H, dd).", 2, u"J, 1H, d"},
        Case{u"7.10\t2H\tdd\t8.0, 2.0", u"7.10 (2H, dd, <i>J</i> = 8.0 Hz, 2.0 Hz)."},
        Case{u"7.10\t2H\tdd\t8.0, 2.0", u"7.10 (2H, dd, <i>J</i> = 8.0, 2.0).", 0},
        Case{u"7.10\t2H\tdd\t8.0, 2.0", u"7.10 (2H, dd, <i>J</i> = 8.0, 2.0).", 7},
        // Values are typed as they stand: an empty one as nothing, a unit twice.
        Case{u"7.10\t2H\td\t8.0,", u"7.10 (2H, d, <i>J</i> = 8.0 Hz,  Hz)."},
        Case{u"7.10\t2H\td\t8.0 Hz", u"7.10 (2H, d, <i>J</i> = 8.0 Hz Hz)."},
        // TableFormat: where the columns are.
        Case{u"7.10\t8.0\tdd\t2H", u"7.10 (2H, dd, <i>J</i> = 8.0 Hz).", 1, u"", u"J, d, 1H"},
        // A row with only a shift has no parentheses; any other item brings them.
        Case{u"7.26", u"7.26."}, Case{u"7.26\r1.25\t3H", u"7.26, 1.25 (3H)."},
        Case{u"7.26\t\t\t\tH-3", u"7.26 ([H-3])."},
        // The trailing column is copied from its first character, blanks and all, up to its
        // last non-blank; blank rows count in the offsets; columns after the fifth are dropped.
        Case{u"7.26\t1H\ts\t\t  H-3  \textra", u"7.26 (1H, s, [  H-3])."},
        Case{u"\r  \r7.26\t1H\ts\t\tH-3\r\r", u"7.26 (1H, s, [H-3])."},
        Case{u"7.26\t1H\ts\t8.0\tH-3\r1.25\t3H\tt\t7.1\tCH3",
             u"7.26 (1H, s, <i>J</i> = 8.0 Hz, [H-3]), 1.25 (3H, t, <i>J</i> = 7.1 Hz, [CH3])."},
        // Shifts: ranges, blanks, full-width digits and tildes.
        Case{u"7.20-7.30\t2H\tm", u"7.20-7.30 (2H, m)."},
        Case{u"7.20 ~ 7.30\t2H\tm", u"7.20 ~ 7.30 (2H, m)."},
        Case{u"7.20\uFF5E7.30\t2H\tm", u"7.20~7.30 (2H, m)."},
        Case{u"7.20\u301C7.30\t2H\tm", u"7.20\u301C7.30 (2H, m)."},
        Case{u"\uFF17\uFF0E\uFF12\uFF16\t\uFF11\uFF28", u"7.26 (1H)."},
        Case{u"  7.26  \t 1H \t s ", u"7.26 (1H, s)."},
        // An order that names a field twice: the count twice, the multiplicity never ...
        Case{u"7.26\t1H\td\t8.0", u"7.26 (1H, 1H, <i>J</i> = 8.0 Hz).", 1, u"1H, 1H, J"},
        // ... and a row whose only item is the one left out gets no parentheses at all.
        Case{u"7.26\t\td", u"7.26.", 1, u"1H, 1H, J"},
        // A table order that leaves a field without a column: that field is empty.
        Case{u"7.26\t1H\td\t8.0", u"7.26 (8.0, <i>J</i> = d Hz).", 1, u"", u"J, J, d"}));

TEST(NMRSpecFormQueryTest, AClosingParagraphMarkIsNotTypedAgain) {
  const std::vector<std::u16string> lines = Lines(NMRSpecFormQuery().GetCommands(u"7.26\t1H\r"));
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[2], u"=!! ");  // no TypeParagraph
  const std::vector<std::u16string> tail(lines.end() - 9, lines.end());
  EXPECT_EQ(tail, (std::vector<std::u16string>{u"=-1", u"=$CursorPosition", u"=8", u"Minus", u"=0",
                                               u"=9", u"Cut", u"TypeBackspace", u"Select"}));
}

TEST(NMRSpecFormQueryTest, ABadShiftRejectsTheWholeTable) {
  for (const char16_t* text : {u"7.2a\t1H", u"\t1H\td", u"7.26\t1H\r7.2a\t1H", u"7.26\r \t1H",
                               u"7,26\t1H", u"\u0667.26\t1H"}) {
    try {
      NMRSpecFormQuery().GetCommands(text);
      ADD_FAILURE() << "no error for " << Utf16ToUtf8(text);
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Number(), 1);
      EXPECT_EQ(Utf16ToUtf8(error.Description()), "Chemical shift is missing.");
    }
  }
}

TEST(NMRSpecFormQueryTest, NothingToConvertGivesTheEmptyScript) {
  for (const char16_t* text : {u"", u"\r", u"  \r\t\r\u3000", u"\t\t\t\t"}) {
    EXPECT_EQ(NMRSpecFormQuery().GetCommands(text), u"") << Utf16ToUtf8(text);
  }
}

TEST(NMRSpecFormQueryTest, JValueStyleIsReachableByName) {
  NMRSpecFormQuery query;
  EXPECT_EQ(query.GetIDsOfNames(u"JValueStyle"), 0x40030004);
  EXPECT_EQ(CallByName(query, u"JValueStyle", InvokeKind::PropertyGet, {}), Variant(1));
  Variant two(u"2");
  Variant* args[] = {&two};
  CallByName(query, u"JValueStyle", InvokeKind::PropertyPut, args);
  EXPECT_EQ(query.JValueStyle(), 2);
  Variant text(u"7.2a");
  Variant* textArgs[] = {&text};
  EXPECT_THROW(CallByName(query, u"GetCommands", InvokeKind::Method, textArgs), AutomationError);
}

}  // namespace
}  // namespace glyphwright
