// Generated input: no text crashes either NMR query, every offset and length a script holds
// lies inside the text, and generated peak lists are read back cell for cell.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "automation/automation_error.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "nmr/peak_list_generator.h"
#include "nmr/peak_list_parser.h"
#include "nmr/script_lines.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

using namespace std::string_view_literals;
using testing_nmr::Lines;

// Characters that steer the parser and the table reader, their full-width forms, and a few
// that mean nothing to either.
constexpr std::u16string_view kAlphabet =
    u"0123456789.......,,,,((()))    --~~JJHzzdsmbr=\r\r\t\t\n\u03B4\u0394\u301C\u8160"
    u"\uFF10\uFF0E\uFF08\uFF09\uFF0C\uFF5E\u3000\u00A0\U0001F600\xDC00\0"sv;

std::u16string RandomText(std::mt19937& random, std::size_t maxLength) {
  std::uniform_int_distribution<std::size_t> length(0, maxLength);
  std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
  std::u16string text(length(random), u' ');
  for (char16_t& c : text) c = kAlphabet[pick(random)];
  return text;
}

long Number(const std::u16string& valueLine) {
  EXPECT_TRUE(valueLine.starts_with(u"=")) << Utf16ToUtf8(valueLine);
  return std::stol(Utf16ToUtf8(valueLine.substr(1)));
}

// Every (start, length) operand pair of Copy and Cut in the script, in order.
std::vector<std::pair<long, long>> RangesOf(const std::vector<std::u16string>& lines,
                                            std::u16string_view word) {
  std::vector<std::pair<long, long>> ranges;
  for (std::size_t k = 2; k < lines.size(); ++k) {
    if (lines[k] == word) ranges.emplace_back(Number(lines[k - 2]), Number(lines[k - 1]));
  }
  return ranges;
}

void ExpectTableScriptInside(const std::u16string& script, long size) {
  if (script.empty()) return;
  const std::vector<std::u16string> lines = Lines(script);
  ASSERT_GE(lines.size(), 22u);
  const long listEnd = Number(lines[0]);
  EXPECT_LE(listEnd, size);
  for (const auto& [start, length] : RangesOf(lines, u"Copy")) {
    EXPECT_GE(start, 0);
    EXPECT_GE(length, 0);
    EXPECT_LE(start + length, listEnd);
  }
  const auto cuts = RangesOf(lines, u"Cut");
  ASSERT_EQ(cuts.size(), 1u);
  EXPECT_GE(cuts[0].first, 0);
  EXPECT_GT(cuts[0].second, 0);
  EXPECT_EQ(cuts[0].first + cuts[0].second, listEnd);
}

TEST(NMRPropertyTest, RandomTextNeverBreaksTheListReader) {
  std::mt19937 random(5150);
  for (int round = 0; round < 400; ++round) {
    const std::u16string text = RandomText(random, round % 20 == 0 ? 10000 : 120);
    SCOPED_TRACE(Utf16ToUtf8(text));
    for (const bool strict : {false, true}) {
      NMRSpecFormRQuery query;
      query.SetStrict(strict);
      ExpectTableScriptInside(query.GetCommands(text), static_cast<long>(text.size()));
      const PeakListReading reading = ParsePeakList(text, FieldOrder(), strict);
      if (!reading.list) continue;
      EXPECT_LE(reading.list->ListStart, reading.list->ListEnd);
      EXPECT_LE(reading.list->ListEnd, static_cast<int32_t>(text.size()));
    }
  }
}

TEST(NMRPropertyTest, RandomTextNeverBreaksTheTableReader) {
  std::mt19937 random(1999);
  for (int round = 0; round < 400; ++round) {
    const std::u16string text = RandomText(random, round % 20 == 0 ? 10000 : 120);
    SCOPED_TRACE(Utf16ToUtf8(text));
    NMRSpecFormQuery query;
    query.SetTableFormat(round % 3 == 0 ? u"J, J, d" : u"");
    std::u16string script;
    try {
      script = query.GetCommands(text);
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Number(), 1);
      continue;
    }
    if (script.empty()) continue;
    const std::vector<std::u16string> lines = Lines(script);
    const auto size = static_cast<long>(text.size());
    for (const auto& [start, length] : RangesOf(lines, u"Copy")) {
      EXPECT_GE(start, 0);
      EXPECT_GT(length, 0);
      EXPECT_LE(start + length, size);
    }
    const auto cuts = RangesOf(lines, u"Cut");
    ASSERT_EQ(cuts.size(), 1u);
    EXPECT_EQ(cuts[0].first, 0);
    // The table, the paragraph break typed behind it if it had none, and the first marker.
    const bool endsWithParagraph = !text.empty() && text.back() == u'\r';
    EXPECT_EQ(cuts[0].second, size + (endsWithParagraph ? 1 : 2));
  }
}

TEST(NMRPropertyTest, GeneratedListsAreReadCellForCell) {
  testing_nmr::PeakListGenerator generator(42);
  for (int round = 0; round < 300; ++round) {
    const testing_nmr::GeneratedList list = generator.List(1 + round % 7);
    SCOPED_TRACE(Utf16ToUtf8(list.text));
    const PeakListReading reading = ParsePeakList(list.text, FieldOrder(), false);
    ASSERT_TRUE(reading.list) << Utf16ToUtf8(reading.failure);
    EXPECT_EQ(reading.list->ListEnd, static_cast<int32_t>(list.text.size()));
    ASSERT_EQ(reading.list->peaks.size(), list.peaks.size());
    for (std::size_t k = 0; k < list.peaks.size(); ++k) {
      const PeakCells& read = reading.list->peaks[k];
      for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(Utf16ToUtf8(read.cells[f].text), Utf16ToUtf8(list.peaks[k].cells[f]))
            << "peak " << k << " field " << f;
      }
      const std::u16string trailing =
          read.trailing ? list.text.substr(read.trailing->start, read.trailing->length) : u"";
      EXPECT_EQ(Utf16ToUtf8(trailing), Utf16ToUtf8(list.peaks[k].trailing)) << "peak " << k;
    }
  }
}

}  // namespace
}  // namespace glyphwright
