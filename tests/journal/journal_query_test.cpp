#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/dispatch.h"
#include "automation/number_text.h"
#include "journal/journal_query.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

struct Range {
  const char16_t* word;
  int start;
  int length;
};

// The script that styles the given ranges, in order.
std::u16string Styles(std::initializer_list<Range> ranges) {
  std::u16string script;
  for (const Range& r : ranges) {
    script +=
        u"=" + IntegerToText(r.start) + u"\n=" + IntegerToText(r.length) + u"\n" + r.word + u"\n";
  }
  return script;
}

struct Case {
  const char16_t* text;
  std::u16string script;
};

class JournalQueryTest : public testing::TestWithParam<Case> {};

TEST_P(JournalQueryTest, StylesTheFirstReference) {
  const Case& c = GetParam();
  EXPECT_EQ(Utf16ToUtf8(JournalQuery().GetCommands(c.text)), Utf16ToUtf8(c.script))
      << Utf16ToUtf8(c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, JournalQueryTest,
    testing::Values(
        // The three layouts.
        Case{u"J. Am. Chem. Soc. 1999, 121, 1234",
             u"=0\n=17\nItalic\n=18\n=4\nBold\n=24\n=3\nItalic\n"},
        Case{u"Tetrahedron Lett., 1999, 40, 1234", u"=0\n=17\nItalic\n=25\n=2\nBold\n"},
        Case{u"Tetrahedron Lett., 40, 1234 (1999)", u"=0\n=17\nItalic\n=19\n=2\nBold\n"},
        // Year first, with an issue or with pages only.
        Case{u"Synthesis 1999, 1234.", Styles({{u"Italic", 0, 9}, {u"Bold", 10, 4}})},
        Case{u"J. Am. Chem. Soc. 1999, 121(3), 1234-1240.",
             Styles({{u"Italic", 0, 17}, {u"Bold", 18, 4}, {u"Italic", 24, 3}})},
        Case{u"Chem. Rev. 2001, (3), 100",  // an issue without a volume: nothing in italic
             Styles({{u"Italic", 0, 10}, {u"Bold", 11, 4}})},
        // Year after the name; the issue behind the volume is not styled.
        Case{u"J. Org. Chem., 1999, 64(3), 1234.", Styles({{u"Italic", 0, 13}, {u"Bold", 21, 2}})},
        Case{u"J. Org. Chem., 2003, (3), 1234.", Styles({{u"Italic", 0, 13}})},
        // Year last.
        Case{u"Helv. Chim. Acta, 82, 1234 (1999)", Styles({{u"Italic", 0, 16}, {u"Bold", 18, 2}})},
        Case{u"Helv. Chim. Acta, 82, 1234-1240 (1999)",
             Styles({{u"Italic", 0, 16}, {u"Bold", 18, 2}})},
        Case{u"Tetrahedron Lett., 40 (1999)", Styles({{u"Italic", 0, 17}})},
        Case{u"Tetrahedron Lett., 1234-1240 (1999)", Styles({{u"Italic", 0, 17}})},
        Case{u"Tetrahedron Lett., 1234- (1999)", Styles({{u"Italic", 0, 17}})},
        Case{u"Tetrahedron Lett., 40(3), 1234 (1999)",
             Styles({{u"Italic", 0, 17}, {u"Bold", 19, 2}})},
        Case{u"Tetrahedron Lett., 40, 1234 (2014)", Styles({{u"Italic", 0, 17}, {u"Bold", 19, 2}})},
        // A year that is not one: nothing.
        Case{u"Tetrahedron Lett., 40, 1234 (99)", u""},
        Case{u"Tetrahedron Lett., 40, 1234 (1899)", u""},
        Case{u"Tetrahedron Lett., 40(3) (1999)", u""},  // an issue needs ", " behind it
        // Where the name run begins.
        Case{u"see J. Org. Chem. 2001, 66, 100",
             Styles({{u"Italic", 4, 13}, {u"Bold", 18, 4}, {u"Italic", 24, 2}})},
        Case{u"See J. Org. Chem. 2001, 66, 100",
             Styles({{u"Italic", 0, 17}, {u"Bold", 18, 4}, {u"Italic", 24, 2}})},
        // Only the first reference.
        Case{u"see J. Org. Chem. 2001, 66, 100; and Org. Lett. 2000, 2, 5.",
             Styles({{u"Italic", 4, 13}, {u"Bold", 18, 4}, {u"Italic", 24, 2}})},
        // A failed candidate is given up where the scan got to: the second one is found.
        Case{u"Smith, A. B. Org. Lett. 2000, 2, 5.",
             Styles({{u"Italic", 10, 13}, {u"Bold", 24, 4}, {u"Italic", 30, 1}})},
        // ... and the character right behind the failed cursor is never a start: 'Ab, ' fails
        // with the cursor on the 'C', so the scan goes on at the 'd'.
        Case{u"Ab, Cd 1999, 12, 3", u""},
        Case{u"Ab,  Cd 1999, 12, 3",
             Styles({{u"Italic", 5, 2}, {u"Bold", 8, 4}, {u"Italic", 14, 2}})},
        // Full-width input is folded first; the offsets are those of the text as given.
        Case{u"\uFF2A\uFF0E \uFF2F\uFF52\uFF47\uFF0E \uFF23\uFF48\uFF45\uFF4D\uFF0E "
             u"\uFF12\uFF10\uFF10\uFF11\uFF0C \uFF16\uFF16\uFF0C \uFF11\uFF10\uFF10",
             Styles({{u"Italic", 0, 13}, {u"Bold", 14, 4}, {u"Italic", 20, 2}})},
        Case{u"J\u3000Org\u3000Chem, 2003, 5, 12",  // ideographic spaces fold to blanks
             Styles({{u"Italic", 0, 10}, {u"Bold", 18, 1}})},
        // Nothing to style.
        Case{u"", u""}, Case{u" ", u""}, Case{u"no reference here.", u""},
        Case{u"Tetrahedron Lett.,", u""}, Case{u"Tetrahedron Lett., ", u""},
        Case{u"Synthesis 1999,", u""}, Case{u"Synthesis 1999, ", u""},
        Case{u"Synthesis 1999, 12(", u""}, Case{u"Synthesis 1999, 12(3", u""},
        Case{u"Synthesis 1999, 12(3)", u""}, Case{u"Synthesis 1999, 12(3),", u""},
        Case{u"Synthesis 1999, 12,", u""}, Case{u"J. Org. Chem., 1999, 64,", u""}, Case{u"A,", u""},
        Case{u"A, (", u""}, Case{u"A, (1", u""}));

// The readers, seen through what they make of the layouts: a parenthesis needs digits and its
// closing mark; a missing one ends the reference.
TEST(JournalQueryTest, AVolumeWithAnUnclosedIssueIsNoReference) {
  EXPECT_EQ(JournalQuery().GetCommands(u"Tetrahedron Lett., 40(3, 1234 (1999)"), u"");
  EXPECT_EQ(JournalQuery().GetCommands(u"Tetrahedron Lett., 40(), 1234 (1999)"), u"");
  EXPECT_EQ(JournalQuery().GetCommands(u"Tetrahedron Lett., (3), 1234 (1999)"),
            Styles({{u"Italic", 0, 17}}));
}

TEST(JournalQueryTest, IsReachableByName) {
  JournalQuery query;
  Variant text(u"Synthesis 1999, 1234.");
  Variant* args[] = {&text};
  EXPECT_EQ(query.GetIDsOfNames(u"getcommands"), 0x60030000);
  EXPECT_EQ(CallByName(query, u"GetCommands", InvokeKind::Method, args),
            Variant(Styles({{u"Italic", 0, 9}, {u"Bold", 10, 4}})));
}

}  // namespace
}  // namespace glyphwright
