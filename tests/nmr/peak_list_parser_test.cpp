#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "nmr/peak_list_parser.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

using namespace std::string_view_literals;

constexpr const char16_t* kAbsent = nullptr;

// One expected peak: the texts of the shift, count, multiplicity and coupling cells (kAbsent
// for a field never tried) and the trailing span (start -1 for none).
struct Peak {
  const char16_t* shift;
  const char16_t* count = kAbsent;
  const char16_t* multiplicity = kAbsent;
  const char16_t* coupling = kAbsent;
  int trailingStart = -1;
  int trailingLength = 0;
};

PeakCells Cells(const Peak& peak) {
  PeakCells cells;
  const char16_t* texts[] = {peak.shift, peak.count, peak.multiplicity, peak.coupling};
  for (int f = 0; f < 4; ++f) {
    if (texts[f] != kAbsent) cells.cells[f] = {true, texts[f]};
  }
  if (peak.trailingStart >= 0) cells.trailing = TextSpan{peak.trailingStart, peak.trailingLength};
  return cells;
}

std::string Describe(const PeakCells& cells) {
  std::string text;
  for (const PeakCell& cell : cells.cells) {
    text += cell.present ? "'" + Utf16ToUtf8(cell.text) + "' " : "- ";
  }
  if (cells.trailing) {
    text += "[" + std::to_string(cells.trailing->start) + "," +
            std::to_string(cells.trailing->length) + "]";
  }
  return text;
}

struct Case {
  std::u16string_view text;
  std::vector<Peak> peaks = {};
  int listStart = 0;
  int listEnd = 0;
  const char16_t* failure = u"";  // the message when the list is rejected
  const char16_t* specFormat = u"";
  bool strict = false;
};

void ExpectReading(const Case& c) {
  SCOPED_TRACE(Utf16ToUtf8(c.text));
  const PeakListReading reading = ParsePeakList(c.text, ParseFieldOrder(c.specFormat), c.strict);
  EXPECT_EQ(Utf16ToUtf8(reading.failure), Utf16ToUtf8(c.failure));
  if (*c.failure != u'\0') {
    EXPECT_FALSE(reading.list.has_value());
    return;
  }
  ASSERT_TRUE(reading.list.has_value());
  EXPECT_EQ(reading.list->ListStart, c.listStart);
  EXPECT_EQ(reading.list->ListEnd, c.listEnd);
  ASSERT_EQ(reading.list->peaks.size(), c.peaks.size());
  for (std::size_t k = 0; k < c.peaks.size(); ++k) {
    EXPECT_EQ(Describe(reading.list->peaks[k]), Describe(Cells(c.peaks[k]))) << "peak " << k;
  }
}

class PeakListParserTest : public testing::TestWithParam<Case> {};

TEST_P(PeakListParserTest, ReadsTheList) {
  ExpectReading(GetParam());
}

const char16_t kExample[] = u"1H NMR (CDCl3) \u03B4 7.26 (1H, d, J = 8.0 Hz, H-3), 1.25 (3H, s).";

INSTANTIATE_TEST_SUITE_P(
    Lists, PeakListParserTest,
    testing::Values(
        // The worked example, under either Strict.
        Case{kExample, {{u"7.26", u"1H", u"d", u"8.0", 42, 3}, {u"1.25", u"3H", u"s"}}, 17, 61},
        Case{.text = kExample,
             .peaks = {{u"7.26", u"1H", u"d", u"8.0", 42, 3}, {u"1.25", u"3H", u"s"}},
             .listStart = 17,
             .listEnd = 61,
             .strict = true},
        // A SpecFormat order that the text does not follow: what is not found stays empty and the
        // rest becomes the trailing item.
        Case{.text = kExample,
             .peaks = {{u"7.26", u"1H", u"", u"", 27, 18}, {u"1.25", u"3H", u"", u"", 58, 1}},
             .listStart = 17,
             .listEnd = 61,
             .specFormat = u"J, d, 1H",
             .strict = true},
        // A field named twice is tried twice and the later result stands.
        Case{.text = u"\u03B4 7.26 (1H, d, J = 8 Hz).",
             .peaks = {{u"7.26", u"", kAbsent, u"", 12, 11}},
             .listStart = 2,
             .listEnd = 25,
             .specFormat = u"1H, 1H, J"},
        // Shifts.
        Case{u"\u03B4 7.26 (1H, d, J = 8.0 Hz).", {{u"7.26", u"1H", u"d", u"8.0"}}, 2, 27},
        Case{u"7.26 - 7.30 (2H, m).", {{u"7.26-7.30", u"2H", u"m"}}, 0, 20},
        Case{u"7.26~7.30 (2H, m).", {{u"7.26-7.30", u"2H", u"m"}}, 0, 18},
        Case{u"7.26\uFF5E7.30 (2H, m).", {{u"7.26-7.30", u"2H", u"m"}}, 0, 18},
        Case{u"7.26\u301C7.30 (2H, m).", {{u"7.26-7.30", u"2H", u"m"}}, 0, 18},
        Case{u"-0.5 (3H, s).", {{u"-0.5", u"3H", u"s"}}, 0, 13},
        Case{u"- 0.5 (3H, s).", {{u"-0.5", u"3H", u"s"}}, 0, 14},
        Case{u"1.0 - -0.5 (3H, s).", {{u"1.0--0.5", u"3H", u"s"}}, 0, 19},
        Case{u"7. (1H, s).", {{u"7.", u"1H", u"s"}}, 0, 11},
        // '.5' is no decimal: the shift is empty and the "." ends the list.
        Case{u"\u03B4 .5 (1H, s)", {{u""}}, 2, 3},
        // A range whose second number is missing is no shift; what follows is no comma.
        Case{.text = u"7.26 - (1H, s).", .failure = u"Missing comma."},
        Case{.text = u"7.26\u81607.30 (2H, m).", .failure = u"Missing comma."},
        // Counts and multiplicities.
        Case{u"1.0 (13C, s), 2.0 (2.5H, br s).",
             {{u"1.0", u"13C", u"s"}, {u"2.0", u"2.5H", u"br s"}},
             0,
             31},
        Case{u"1.0 (1H, d , J = 8 Hz).", {{u"1.0", u"1H", u"d ", u"8"}}, 0, 23},
        Case{u"1.0 (1H, , J = 7 Hz).", {{u"1.0", u"1H", u"", u"7"}}, 0, 21},
        Case{u"1.0 (d, 1H).", {{u"1.0", u"", u"d", u"", 8, 2}}, 0, 12},
        // Coupling constants.
        Case{u"1.0 (1H, dd, J = 8.0, 2.0 Hz).", {{u"1.0", u"1H", u"dd", u"8.0, 2.0"}}, 0, 30},
        Case{u"1.0 (1H, d, J=8.0Hz).", {{u"1.0", u"1H", u"d", u"8.0"}}, 0, 21},
        Case{u"1.0 (1H, dd, J = 8.0 Hz, 2.0 Hz).", {{u"1.0", u"1H", u"dd", u"8.0, 2.0"}}, 0, 33},
        Case{u"1.0 (1H, d, J = - 8.0 Hz).", {{u"1.0", u"1H", u"d", u"-8.0"}}, 0, 26},
        Case{u"1.0 (1H, d, J = 8.0 and 2.0 Hz).", {{u"1.0", u"1H", u"d", u"", 12, 18}}, 0, 32},
        Case{u"1.0 (1H, m, J = 7 Hz (app)).", {{u"1.0", u"1H", u"m", u"", 12, 14}}, 0, 28},
        Case{u"1.0 (1H, d, J = 8.0 Hzz).", {{u"1.0", u"1H", u"d", u"", 12, 11}}, 0, 25},
        Case{u"1.0 (1H, d, J = 8.0 hz).", {{u"1.0", u"1H", u"d", u"", 12, 10}}, 0, 24},
        Case{u"1.0 (1H, d, JHH = 8.0).", {{u"1.0", u"1H", u"d", u"", 12, 9}}, 0, 23},
        Case{u"1.0 (1H, d, J 8.0).", {{u"1.0", u"1H", u"d", u"", 12, 5}}, 0, 19},
        Case{u"1.0 (1H, d, J = 8.0, x).", {{u"1.0", u"1H", u"d", u"8.0", 21, 1}}, 0, 24},
        Case{u"1.0 (1H, d, J = 8.0 Hz, 2.0 Hz x).", {{u"1.0", u"1H", u"d", u"8.0", 24, 8}}, 0, 34},
        // The trailing item.
        Case{u"1.0 (1H, d, J = 8.0 Hz, H-3 ).", {{u"1.0", u"1H", u"d", u"8.0", 24, 4}}, 0, 30},
        Case{u"1.0 (1H, d, J = 8.0 Hz,).", {{u"1.0", u"1H", u"d", u"8.0"}}, 0, 25},
        // Two values confirmed, the third not: the two are kept, the rest is trailing.
        Case{u"1.0 (1H, dd, J = 8.0, 2.0, 1.5 Hz x).",
             {{u"1.0", u"1H", u"dd", u"8.0, 2.0", 27, 8}},
             0,
             37},
        // An order that names a field twice reads it twice: the later reading, which finds
        // nothing, is the one kept; the field left out is never tried.
        Case{.text = u"\u03B4 7.26 (J = 8 Hz, d).",
             .peaks = {{u"7.26", kAbsent, u"d", u""}},
             .listStart = 2,
             .listEnd = 21,
             .specFormat = u"J, J, d"},
        Case{u"1.0 (1H, s, H-1, H-2).", {{u"1.0", u"1H", u"s", u"", 12, 8}}, 0, 22},
        Case{u"1.0 ().", {{u"1.0", u"", u""}}, 0, 7},  // an empty multiplicity is found
        // Peaks without parentheses, and lists without a delta.
        Case{u"\u03B4 7.26, 1.25.", {{u"7.26"}, {u"1.25"}}, 2, 13},
        Case{u"7.26 (1H, s).", {{u"7.26", u"1H", u"s"}}, 0, 13},
        Case{u"  7.26 (1H, s).", {{u"7.26", u"1H", u"s"}}, 2, 15},
        Case{u"1H NMR \u0394 7.26 (1H, s).", {{u"7.26", u"1H", u"s"}}, 9, 22},
        Case{u"(1H, s).", {{u"", u"1H", u"s"}}, 0, 8},
        Case{u"\u03B4 (1H, s).", {{u"", u"1H", u"s"}}, 2, 10}, Case{u".", {{u""}}, 0, 1},
        Case{u"\u03B4 .", {{u""}}, 2, 3}, Case{u"\u03B4 7.26, .", {{u"7.26"}, {u""}}, 2, 9},
        // Terminators: "." or a carriage return, with the blanks behind it; the end of the text.
        Case{u"\u03B4 7.26, 3.\r", {{u"7.26"}, {u"3."}}, 2, 11},
        Case{u"\u03B4 7.26 (1H, s)\r  next", {{u"7.26", u"1H", u"s"}}, 2, 17},
        Case{u"\u03B4 7.26 (1H, s).  \tnext", {{u"7.26", u"1H", u"s"}}, 2, 17},
        Case{u"\u03B4 7.26 (1H, s)", {{u"7.26", u"1H", u"s"}}, 2, 14},
        Case{u"\u03B4 7.26 (1H, s)   ", {{u"7.26", u"1H", u"s"}}, 2, 17},
        Case{u"\u03B4 7.26", {{u"7.26"}}, 2, 6}, Case{u"\u03B4 7.26,", {{u"7.26"}, {u""}}, 2, 7},
        // Nothing after the delta, or nothing at all: no list.
        Case{u"", {}, 0, 0}, Case{u"   ", {}, 3, 3}, Case{u"1H NMR \u03B4", {}, 8, 8},
        Case{u"1H NMR \u03B4  ", {}, 10, 10},
        // Full-width text is read as its ASCII counterpart, at the same offsets.
        Case{u"\uFF17\uFF0E\uFF12\uFF16\u3000\uFF08\uFF11\uFF28\uFF0C\u3000\uFF53\uFF09\uFF0E",
             {{u"7.26", u"1H", u"s"}},
             0,
             13}));

INSTANTIATE_TEST_SUITE_P(
    Failures, PeakListParserTest,
    testing::Values(
        Case{.text = u"\u03B4 7.26 (1H, d", .failure = u"Unexpected end of line."},
        Case{.text = u"\u03B4 7.26 (1H, d, J = 8.0", .failure = u"Unexpected end of line."},
        Case{.text = u"\u03B4 7.26 (1H, d, J = 8.0 Hz, H-3", .failure = u"Unexpected end of line."},
        Case{.text = u"\u03B4 7.26 (1H, d, J = 8.0 Hz, (H-3)",
             .failure = u"Unexpected end of line."},
        Case{.text = u"\u03B4 7.26 (1H", .failure = u"Missing close parenthesis."},
        Case{.text = u"\u03B4 7.26 (1H d).", .failure = u"Missing close parenthesis."},
        Case{.text = u"\u03B4 7.26 (1H, d, J = 8 Hz x", .failure = u"Unexpected end of line."},
        Case{.text = u"\u03B4 7.26 (1H, s); 1.25 (3H, s).", .failure = u"Missing comma."},
        Case{.text = u"\u03B4 7.26 (1H, s), 1.25 (3H, s)!", .failure = u"Missing comma."},
        Case{.text = u"7.26 (1H, s); 3.50", .failure = u"Missing comma."},
        Case{.text = u"abc.", .failure = u"Missing comma."},
        Case{.text = u"\u03B4 7.26 ppm.", .failure = u"Missing comma."},
        // A tab, a line feed, a no-break space or a NUL is no blank and no end.
        Case{.text = u"\u03B4 7.26 (1H, s)\t.", .failure = u"Missing comma."},
        Case{.text = u"\u03B4 7.26 (1H, s)\n.", .failure = u"Missing comma."},
        Case{.text = u"\u03B4 7.26 (1H, s)\u00A0.", .failure = u"Missing comma."},
        Case{.text = u"\u03B4 7.26 (1H\t, s).", .failure = u"Missing close parenthesis."},
        Case{.text = u"\u03B4 7.26\0."sv, .failure = u"Missing comma."}));

INSTANTIATE_TEST_SUITE_P(
    StrictChecks, PeakListParserTest,
    testing::Values(
        Case{.text = u"\u03B4 (1H, s).", .failure = u"Missing chemical shift.", .strict = true},
        Case{.text = u".", .failure = u"Missing chemical shift.", .strict = true},
        Case{.text = u"\u03B4 7.26 (1H, , J = 7 Hz).",
             .failure = u"Missing coupling pattern.",
             .strict = true},
        Case{.text = u"\u03B4 7.26 (d, 1H).",
             .failure = u"Missing number and atom.",
             .strict = true},
        Case{.text = u"\u03B4 7.26, 1.25.", .failure = u"Missing number and atom.", .strict = true},
        // The checks run in order: an empty shift is reported before a missing count.
        Case{.text = u"\u03B4 (s).", .failure = u"Missing chemical shift.", .strict = true},
        Case{.text = u"\u03B4 7.26 (J = 7 Hz).",
             .failure = u"Missing coupling pattern.",
             .strict = true},
        // A later peak rejects the whole list.
        Case{.text = u"\u03B4 7.26 (1H, s), 1.25.",
             .failure = u"Missing number and atom.",
             .strict = true},
        Case{.text = u"\u03B4 7.26 (1H, s), 1.25 (3H, t, J = 7.1 Hz).",
             .peaks = {{u"7.26", u"1H", u"s"}, {u"1.25", u"3H", u"t", u"7.1"}},
             .listStart = 2,
             .listEnd = 41,
             .strict = true}));

}  // namespace
}  // namespace glyphwright
