// The parts NMRStyleQuery is built from: decimal rounding, the multiplicity vocabulary and the
// reader's view of a list.
#include <gtest/gtest.h>

#include "nmr/decimal_text.h"
#include "nmr/multiplicity_words.h"
#include "nmr/nmr_data_reader.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

struct Rounding {
  std::u16string_view number;
  int decimals;
  std::u16string_view rounded;
};

class RoundedDecimalTest : public testing::TestWithParam<Rounding> {};

TEST_P(RoundedDecimalTest, RoundsInDecimalHalfAwayFromZero) {
  const Rounding& c = GetParam();
  EXPECT_EQ(Utf16ToUtf8(RoundedDecimal(c.number, c.decimals)), Utf16ToUtf8(c.rounded))
      << Utf16ToUtf8(c.number) << " to " << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundedDecimalTest,
    testing::Values(Rounding{u"7.255", 2, u"7.26"},  // 7.255 is 7.25499... as a double
                    Rounding{u"7.254", 2, u"7.25"}, Rounding{u"7.2", 2, u"7.20"},
                    Rounding{u"7", 1, u"7.0"}, Rounding{u"9.96", 1, u"10.0"},
                    Rounding{u"99.95", 1, u"100.0"}, Rounding{u"0.95", 0, u"1"},
                    Rounding{u"-63.25", 1, u"-63.3"}, Rounding{u"-0.04", 1, u"0.0"},
                    Rounding{u"128.30", 1, u"128.3"}, Rounding{u"7.2649", -1, u"7.2649"},
                    Rounding{u"12", 0, u"12"}, Rounding{u"0.5", 0, u"1"}));

TEST(DecimalValueTest, ReadsThePointWhateverTheLocale) {
  EXPECT_DOUBLE_EQ(DecimalValue(u"7.26"), 7.26);
  EXPECT_DOUBLE_EQ(DecimalValue(u"-110.05"), -110.05);
  EXPECT_DOUBLE_EQ(DecimalValue(u"12"), 12.0);
}

struct Word {
  std::u16string_view typed;
  const char16_t* written;  // nullptr: not a multiplicity of the vocabulary
};

class MultiplicityTest : public testing::TestWithParam<Word> {};

TEST_P(MultiplicityTest, WritesTheVocabularysForm) {
  const Word& c = GetParam();
  const auto written = KnownMultiplicity(c.typed);
  if (c.written == nullptr) {
    EXPECT_FALSE(written.has_value()) << Utf16ToUtf8(c.typed) << " as " << Utf16ToUtf8(*written);
  } else {
    ASSERT_TRUE(written.has_value()) << Utf16ToUtf8(c.typed);
    EXPECT_EQ(Utf16ToUtf8(*written), Utf16ToUtf8(c.written));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Vocabulary, MultiplicityTest,
    testing::Values(Word{u"s", u"s"}, Word{u"singlet", u"s"}, Word{u"d", u"d"}, Word{u"t", u"t"},
                    Word{u"q", u"q"}, Word{u"quintet", u"quint"}, Word{u"quin", u"quint"},
                    Word{u"p", u"quint"}, Word{u"sextet", u"sext"}, Word{u"sxt", u"sext"},
                    Word{u"septet", u"sept"}, Word{u"hept", u"sept"}, Word{u"m", u"m"},
                    Word{u"multiplet", u"m"}, Word{u"br s", u"br s"}, Word{u"brs", u"br s"},
                    Word{u"bs", u"br s"}, Word{u"br. s", u"br s"}, Word{u"broad s", u"br s"},
                    Word{u"br", u"br"}, Word{u"brd", u"br d"}, Word{u"br d", u"br d"},
                    Word{u"dd", u"dd"}, Word{u"dt", u"dt"}, Word{u"td", u"td"}, Word{u"tt", u"tt"},
                    Word{u"ddd", u"ddd"}, Word{u"dq", u"dq"}, Word{u"qd", u"qd"},
                    Word{u"app t", u"app t"}, Word{u"apparent t", u"app t"},
                    Word{u"minor", nullptr}, Word{u"dquint", nullptr}, Word{u"s s", nullptr},
                    Word{u"NH", nullptr}, Word{u"", nullptr}, Word{u" . ", nullptr}));

TEST(NmrDataReaderTest, FindsEachItemByItsForm) {
  const std::u16string_view text =
      u"Found 1H NMR (400 MHz, CDCl3, 298 K): \u03B4 = 7.26 (1 H, d, "
      u"J1 = 8.0, J2 = 2.0 Hz, H-3), 1.25 - 1.20 (m, 3H) ppm. More";
  const NmrData data = ReadNmrData(text);
  EXPECT_EQ(data.replaceStart, 6);
  EXPECT_EQ(text.substr(data.replaceEnd), u" More");
  ASSERT_TRUE(data.header.has_value());
  EXPECT_EQ(data.header->nucleus, (Nucleus{u"1", u"H"}));
  EXPECT_EQ(data.header->frequency, u"400");
  EXPECT_EQ(data.header->solvent, u"CDCl3");
  ASSERT_EQ(data.header->extras.size(), 1u);
  EXPECT_EQ(data.header->extras[0], u"298 K");
  ASSERT_EQ(data.peaks.size(), 2u);
  const NmrPeak& first = data.peaks[0];
  EXPECT_EQ(first.shift, u"7.26");
  EXPECT_EQ(first.countNumber, u"1");
  EXPECT_EQ(first.countElement, u"H");
  EXPECT_EQ(first.multiplicity, u"d");
  EXPECT_EQ(first.couplings, (std::vector<std::u16string>{u"8.0", u"2.0"}));
  ASSERT_TRUE(first.trailing.has_value());
  EXPECT_EQ(text.substr(first.trailing->start, first.trailing->length), u"H-3");
  const NmrPeak& second = data.peaks[1];
  EXPECT_EQ(second.shift, u"1.25");
  EXPECT_EQ(second.rangeEnd, u"1.20");
  EXPECT_EQ(second.multiplicity, u"m");
  EXPECT_FALSE(second.trailing.has_value());
}

TEST(NmrDataReaderTest, ReadsTheNucleusOfEveryHeaderForm) {
  struct Case {
    std::u16string_view text;
    Nucleus nucleus;
  };
  const Case cases[] = {
      {u"13C{1H} NMR (CDCl3) \u03B4 77.2.", {u"13", u"C"}},
      {u"\u03B4C (CDCl3) 77.2.", {u"13", u"C"}},
      {u"19F-NMR: \u03B4 -63.2.", {u"19", u"F"}},
      {u"31P NMR \u03B4 25.3.", {u"31", u"P"}},
      {u"\u03B4 77.2 (2C), 30.1.", {u"13", u"C"}},  // no header: the counts say carbon
      {u"\u03B4 7.26.", {u"1", u"H"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ListNucleus(ReadNmrData(c.text)), c.nucleus) << Utf16ToUtf8(c.text);
  }
}

TEST(NmrDataReaderTest, AnUnreadableHeaderLeavesItAlone) {
  // Words between the header and the delta: only the list is rewritten.
  const std::u16string_view text = u"1H NMR spectrum in CDCl3 showed \u03B4 7.26 (s, 1H).";
  const NmrData data = ReadNmrData(text);
  EXPECT_FALSE(data.header.has_value());
  EXPECT_EQ(text.substr(data.replaceStart, 4), u"7.26");
}

}  // namespace
}  // namespace glyphwright
