#include "web/web_exports.h"

#include "cli/query_registry.h"
#include "text/utf8.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct ResultFree {
  void operator()(gw_result* result) const { gw_result_free(result); }
};
using Result = std::unique_ptr<gw_result, ResultFree>;

struct DocumentFree {
  void operator()(gw_document* document) const { gw_document_free(document); }
};
using Document = std::unique_ptr<gw_document, DocumentFree>;

std::u16string Part(const Result& result, gw_part part) {
  return std::u16string(gw_result_part(result.get(), part),
                        static_cast<std::size_t>(gw_result_part_length(result.get(), part)));
}

int32_t Size(std::u16string_view text) {
  return static_cast<int32_t>(text.size());
}

Result Format(std::u16string_view query, std::u16string_view text,
              std::u16string_view settings = {}) {
  return Result(gw_format(query.data(), Size(query), text.data(), Size(text), settings.data(),
                          Size(settings)));
}

Result RunJob(const Document& document, std::u16string_view query,
              std::u16string_view settings = {}) {
  return Result(gw_document_format(document.get(), query.data(), Size(query), settings.data(),
                                   Size(settings)));
}

struct FormatCase {
  std::u16string query;
  std::u16string text;
  std::u16string settings;  // NAME NUL VALUE NUL ...
  std::u16string html;
  std::u16string plain;
  std::u16string unicode;
};

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, AnswersEveryFormOfTheResult) {
  const FormatCase& c = GetParam();
  const Result result = Format(c.query, c.text, c.settings);
  ASSERT_EQ(gw_result_error(result.get()), 0)
      << std::string(Part(result, GW_DESCRIPTION).begin(), Part(result, GW_DESCRIPTION).end());
  EXPECT_EQ(Part(result, GW_HTML), c.html);
  EXPECT_EQ(Part(result, GW_TEXT), c.plain);
  EXPECT_EQ(Part(result, GW_UNICODE), c.unicode);
  EXPECT_FALSE(Part(result, GW_SCRIPT).empty());
  EXPECT_EQ(Part(result, GW_DESCRIPTION), u"");
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Jobs, FormatTest,
    testing::Values(
        FormatCase{u"formula", u"H2SO4", u"", u"<p>H<sub>2</sub>SO<sub>4</sub></p>\n", u"H2SO4",
                   u"H₂SO₄"},
        // By class name as well as by alias, ignoring case.
        FormatCase{u"chemformulaquery", u"H2SO4", u"", u"<p>H<sub>2</sub>SO<sub>4</sub></p>\n",
                   u"H2SO4", u"H₂SO₄"},
        FormatCase{u"ion", u"SO42-", u"", u"<p>SO<sub>4</sub><sup>2-</sup></p>\n", u"SO42-",
                   u"SO₄²⁻"},
        FormatCase{u"name", u"(R)-2-butanol", u"ItalicCommand\0Chemical Italic\0"s,
                   u"<p>(<span class=\"chemical-italic\"><i>R</i></span>)-2-butanol</p>\n",
                   u"(R)-2-butanol", u"(R)-2-butanol"},
        // A setting the job lacks is skipped, so one set of settings serves every job.
        FormatCase{u"formula", u"H2SO4", u"TableFormat\0J, d, 1H\0"s,
                   u"<p>H<sub>2</sub>SO<sub>4</sub></p>\n", u"H2SO4", u"H₂SO₄"},
        // CR is a paragraph mark.
        FormatCase{u"formula", u"H2O\rCO2", u"", u"<p>H<sub>2</sub>O</p>\n<p>CO<sub>2</sub></p>\n",
                   u"H2O\nCO2", u"H₂O\nCO₂"},
        FormatCase{u"nmr-list", u"7.26\t1H\td\t8.0", u"",
                   u"<p>7.26 (1H, d, <i>J</i> = 8.0 Hz). </p>\n", u"7.26 (1H, d, J = 8.0 Hz). ",
                   u"7.26 (1H, d, J = 8.0 Hz). "}));

struct ErrorCase {
  std::u16string query;
  std::u16string text;
  std::u16string settings;
  int32_t number;
  std::u16string description;
};

class FormatErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(FormatErrorTest, IsAnErrorNumberAndDescriptionWithNoResult) {
  const ErrorCase& c = GetParam();
  const Result result = Format(c.query, c.text, c.settings);
  EXPECT_EQ(gw_result_error(result.get()), c.number);
  EXPECT_EQ(Part(result, GW_DESCRIPTION), c.description);
  EXPECT_EQ(Part(result, GW_HTML), u"");
  EXPECT_EQ(Part(result, GW_TEXT), u"");
  EXPECT_EQ(Part(result, GW_SCRIPT), u"");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FormatErrorTest,
    testing::Values(ErrorCase{u"nmr-list", u"abc", u"", 1, u"Chemical shift is missing."},
                    ErrorCase{u"nmr-list", u"7.26\t1H\td\t8.0", u"JValueStyle\0abc\0"s, 13,
                              u"Type mismatch"},
                    ErrorCase{u"nosuchjob", u"H2SO4", u"", 5, u"No job is called \"nosuchjob\"."},
                    ErrorCase{u"", u"H2SO4", u"", 5, u"No job is called \"\"."},
                    // A name without its value, or a value without its end.
                    ErrorCase{u"formula", u"H2SO4", u"ItalicCommand"s, 5,
                              u"Invalid procedure call or argument"},
                    ErrorCase{u"formula", u"H2SO4", u"ItalicCommand\0Italic"s, 5,
                              u"Invalid procedure call or argument"}));

TEST(Format, KeepsEveryCodeUnitEvenALoneSurrogate) {
  const std::u16string text = u"H2O \xD800 x";
  const Result result = Format(u"formula", text);
  ASSERT_EQ(gw_result_error(result.get()), 0);
  EXPECT_EQ(Part(result, GW_TEXT), text);
}

TEST(Format, TakesNullForAnEmptyText) {
  const Result result(gw_format(u"formula", 7, nullptr, 0, nullptr, 0));
  EXPECT_EQ(gw_result_error(result.get()), 0);
  EXPECT_EQ(Part(result, GW_TEXT), u"");
}

TEST(Queries, ListsEveryJobWithItsClassInTheCommandsOrder) {
  const Result result(gw_queries());
  ASSERT_EQ(gw_result_error(result.get()), 0);
  const glyphwright::cli::QueryRegistry queries = glyphwright::cli::BuiltInQueries();
  std::u16string expected;
  for (const glyphwright::cli::QueryEntry& entry : queries.Entries()) {
    expected += std::u16string(entry.alias) + u"\t" + std::u16string(entry.className) + u"\n";
  }
  // The seven jobs every host has come first, in this order; later classes follow them.
  EXPECT_TRUE(expected.starts_with(
      u"formula\tChemFormulaQuery\nion\tIonFormulaQuery\ndigits\tChemRDigitQuery\n"
      u"name\tChemNameQuery\njournal\tJournalQuery\nnmr-list\tNMRSpecFormQuery\n"
      u"nmr-table\tNMRSpecFormRQuery\n"));
  EXPECT_EQ(Part(result, GW_TEXT), expected);
}

TEST(Document, ASecondJobWorksOnTheFirstOnesResult) {
  const Document document(gw_document_new());
  ASSERT_EQ(gw_document_set_text(document.get(), u"C6H12O6", 7), 0);
  // Digit cycling: subscripts, then superscripts, then plain again.
  EXPECT_EQ(Part(RunJob(document, u"digits"), GW_HTML),
            u"<p>C<sub>6</sub>H<sub>12</sub>O<sub>6</sub></p>\n");
  EXPECT_EQ(Part(RunJob(document, u"digits"), GW_HTML),
            u"<p>C<sup>6</sup>H<sup>12</sup>O<sup>6</sup></p>\n");
  EXPECT_EQ(Part(RunJob(document, u"digits"), GW_HTML), u"<p>C6H12O6</p>\n");
}

TEST(Document, AFailedJobLeavesTheResultAsItWas) {
  const Document document(gw_document_new());
  ASSERT_EQ(gw_document_set_text(document.get(), u"C6H12O6", 7), 0);
  RunJob(document, u"digits");
  EXPECT_EQ(gw_result_error(RunJob(document, u"nmr-list").get()), 1);
  EXPECT_EQ(Part(RunJob(document, u"digits"), GW_HTML),
            u"<p>C<sup>6</sup>H<sup>12</sup>O<sup>6</sup></p>\n");
}

TEST(Document, NewTextStartsAfresh) {
  const Document document(gw_document_new());
  gw_document_set_text(document.get(), u"C6H12O6", 7);
  RunJob(document, u"digits");
  gw_document_set_text(document.get(), u"C6H12O6", 7);
  EXPECT_EQ(Part(RunJob(document, u"digits"), GW_HTML),
            u"<p>C<sub>6</sub>H<sub>12</sub>O<sub>6</sub></p>\n");
}

TEST(Document, NullIsObjectNotSet) {
  EXPECT_EQ(gw_document_set_text(nullptr, u"x", 1), 91);
  const Result result(gw_document_format(nullptr, u"formula", 7, nullptr, 0));
  EXPECT_EQ(gw_result_error(result.get()), 91);
}

TEST(Result, NullReadsAsOutOfMemoryWithEmptyParts) {
  EXPECT_EQ(gw_result_error(nullptr), 7);
  EXPECT_EQ(gw_result_part_length(nullptr, GW_HTML), 0);
  EXPECT_EQ(std::u16string(gw_result_part(nullptr, GW_HTML)), u"");
}

std::string Bytes(const Result& result, int32_t part) {
  const int32_t length = gw_result_part_utf8_length(result.get(), part);
  if (length < 0) return "(none)";
  return std::string(gw_result_part_utf8(result.get(), part), static_cast<std::size_t>(length));
}

struct BytesCase {
  std::u16string query;
  std::u16string text;
  gw_part part;
  std::string bytes;
};

class PartBytesTest : public testing::TestWithParam<BytesCase> {};

TEST_P(PartBytesTest, AreThePartsUnitsAsUtf8) {
  const BytesCase& c = GetParam();
  const Result result = Format(c.query, c.text);
  EXPECT_EQ(Bytes(result, c.part), c.bytes);
  // Asked again, the same bytes; and the part's code units are as they were.
  EXPECT_EQ(Bytes(result, c.part), c.bytes);
  const std::u16string units = Part(result, c.part);
  if (c.bytes != "(none)") {
    EXPECT_EQ(glyphwright::Utf8ToUtf16(c.bytes), units);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Parts, PartBytesTest,
    testing::Values(
        BytesCase{u"formula", u"H2SO4", GW_HTML, "<p>H<sub>2</sub>SO<sub>4</sub></p>\n"},
        BytesCase{u"formula", u"H2SO4", GW_TEXT, "H2SO4"},
        BytesCase{u"formula", u"H2SO4", GW_UNICODE, "H\xE2\x82\x82SO\xE2\x82\x84"},
        BytesCase{u"formula", u"H2SO4", GW_SCRIPT, "=1\n=1\nSubscript\n=4\n=1\nSubscript\n"},
        BytesCase{u"formula", u"\uFEFF\U0001F600 H2O", GW_TEXT, "\xEF\xBB\xBF\xF0\x9F\x98\x80 H2O"},
        // A lone surrogate has no UTF-8: the part is read as code units.
        BytesCase{u"formula", u"H2SO4 \xD800", GW_TEXT, "(none)"},
        BytesCase{u"formula", u"H2SO4 \xD800", GW_HTML, "(none)"},
        BytesCase{u"formula", u"H2SO4 \xD800", GW_UNICODE, "(none)"},
        BytesCase{u"formula", u"H2SO4 \xD800", GW_CLIPBOARD, "(none)"},
        BytesCase{u"formula", u"H2O", GW_CLIPBOARD,
                  "<html><head><meta charset=\"utf-8\"></head><body>\n<!--StartFragment-->"
                  "<p>H<sub style=\"vertical-align:sub\">2</sub>O</p>\n<!--EndFragment-->\n"
                  "</body></html>"},
        // A long part mostly beyond ASCII is read as code units, which are quicker.
        BytesCase{u"formula", std::u16string(2000, u'\u03B4'), GW_UNICODE, "(none)"},
        // A failed job's clipboard is empty, not an empty document.
        BytesCase{u"nmr-list", u"abc", GW_CLIPBOARD, ""}));

// The script is kept as bytes: its units, asked for before them, are the same script.
TEST(Result, AScriptKeptAsBytesReadsAsCodeUnitsToo) {
  Result result = Format(u"formula", u"H2SO4");
  const std::u16string script = u"=1\n=1\nSubscript\n=4\n=1\nSubscript\n";
  EXPECT_EQ(gw_result_part_length(result.get(), GW_SCRIPT), static_cast<int32_t>(script.size()));
  EXPECT_EQ(Part(result, GW_SCRIPT), script);
  EXPECT_EQ(Bytes(result, GW_SCRIPT), std::string(script.begin(), script.end()));
}

// The clipboard's HTML asked as code units first (as for a part with a lone surrogate) is the
// same document as its bytes, and keeps every unit of the text.
TEST(Result, TheClipboardReadsTheSameInEitherForm) {
  for (const std::u16string text : {u"H2O and \u00E9", u"H2O \xDC00"}) {
    const Result units = Format(u"formula", text);
    const Result bytes = Format(u"formula", text);
    const std::u16string clipboard = Part(units, GW_CLIPBOARD);
    EXPECT_NE(clipboard.find(u"H<sub style=\"vertical-align:sub\">2</sub>O"), clipboard.npos);
    EXPECT_NE(clipboard.find(text.substr(4)), clipboard.npos);
    const std::string utf8 = Bytes(bytes, GW_CLIPBOARD);
    if (utf8 != "(none)") {
      EXPECT_EQ(glyphwright::Utf8ToUtf16(utf8), clipboard);
    }
    EXPECT_EQ(Part(bytes, GW_CLIPBOARD), clipboard);
  }
}

TEST(Result, NoBytesForNoResultOrAnUnknownPart) {
  EXPECT_EQ(gw_result_part_utf8_length(nullptr, GW_HTML), 0);
  EXPECT_EQ(std::string(gw_result_part_utf8(nullptr, GW_HTML)), "");
  Result result = Format(u"formula", u"H2SO4");
  EXPECT_EQ(gw_result_part_utf8_length(result.get(), 7), 0);
  EXPECT_EQ(std::string(gw_result_part_utf8(result.get(), -1)), "");
  // Bytes not counted yet are not handed out.
  EXPECT_EQ(std::string(gw_result_part_utf8(result.get(), GW_HTML)), "");
}

TEST(Result, AnUnknownPartIsEmpty) {
  const Result result = Format(u"formula", u"H2SO4");
  EXPECT_EQ(gw_result_part_length(result.get(), 7), 0);
  EXPECT_EQ(gw_result_part_length(result.get(), -1), 0);
  EXPECT_EQ(std::u16string(gw_result_part(result.get(), 99)), u"");
}

}  // namespace
