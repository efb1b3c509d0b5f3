#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "automation/automation_error.h"
#include "automation/number_text.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

int ErrorNumberOf(auto&& call) {
  try {
    call();
  } catch (const AutomationError& error) {
    return error.Number();
  }
  return 0;
}

TEST(TextToDoubleTest, ReadsTheRunTimesNumberForms) {
  const std::pair<std::u16string, double> cases[] = {
      {u"5", 5},
      {u"  5 ", 5},
      {u"\t-1.5e3\r", -1500},
      {u".5", 0.5},
      {u"5.", 5},
      {u"+5", 5},
      {u"-0", 0},
      {u"1E+2", 100},
      {u"92", 92},
      {u"007", 7},
      {u"1e-999", 0},
      {u"0.1", 0.1},
      // Plain digits up to nine are read at once, longer ones the general way.
      {u"0", 0},
      {u"999999999", 999999999},
      {u"1234567890", 1234567890},
      {u"12345678901234567890", 12345678901234567890.0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(TextToDouble(text), value);
}

// Short decimals take a quicker road than long ones; both must give the correctly rounded
// double, the one the C library's own conversion gives.
TEST(TextToDoubleTest, ShortAndLongDecimalsRoundAsTheCLibraryDoes) {
  const char* const cases[] = {"0",
                               "8.0",
                               "0.1",
                               "0.3",
                               "2.675",
                               ".5",
                               "5.",
                               "007.250",
                               "1.1",
                               "9007199254740993",
                               "123456789012345",
                               "1234567890.12345",
                               "0.000000000000001",
                               "999999999999999.9",
                               "4.35",
                               "1.0000000000000002",
                               "3.14159265358979",
                               "0.1234567890123456"};
  for (const char* text : cases) {
    const std::string ascii(text);
    const std::u16string wide(ascii.begin(), ascii.end());
    const double expected = std::strtod(text, nullptr);
    EXPECT_EQ(TextToDouble(wide), expected) << text;
    EXPECT_EQ(TextToDouble(u"-" + wide), -expected) << text;
  }
}

TEST(TextToDoubleTest, RejectsAnythingElseWithTypeMismatch) {
  for (const char16_t* text :
       {u"", u" ", u"abc", u"x", u"1e", u"1e+", u"e5", u".", u"-", u"inf", u"nan", u"0x10", u"1,5",
        u"1 5", u"--1", u"1e+-2", u"\uFF15", u"5\u00A0", u"$CursorPosition"}) {
    EXPECT_EQ(ErrorNumberOf([&] { TextToDouble(text); }), 13) << std::u16string_view(text).size();
  }
  EXPECT_EQ(ErrorNumberOf([] { TextToDouble(std::u16string(1000, u'1')); }), 13);
}

TEST(TextToDoubleTest, OverflowIsTheRunTimesOverflow) {
  EXPECT_EQ(ErrorNumberOf([] { TextToDouble(u"1e999"); }), 6);
  EXPECT_EQ(ErrorNumberOf([] { TextToDouble(u"-1e400"); }), 6);
  EXPECT_EQ(ErrorNumberOf([] { TextToDouble(u"0.0000001e-400"); }), 0);
}

TEST(TextToDoubleTest, IgnoresTheProcessLocale) {
  // A comma-decimal locale must not change what a script means.
  for (const char* name : {"de_DE.UTF-8", "de_DE", "fr_FR.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) == nullptr) continue;
    EXPECT_EQ(TextToDouble(u"1.5"), 1.5);
    EXPECT_EQ(DoubleToText(1.5), u"1.5");
    std::setlocale(LC_ALL, "C");
  }
}

TEST(DoubleToTextTest, PrintsLikeTheRunTime) {
  const std::pair<double, std::u16string> cases[] = {
      {7, u"7"},
      {-1, u"-1"},
      {0, u"0"},
      {-0.0, u"0"},
      {0.1 + 0.2, u"0.3"},
      {1e20, u"1E+20"},
      {1.5e-7, u"1.5E-07"},
      {92.5, u"92.5"},
      {123456789012345.0, u"123456789012345"},
      {-2.25, u"-2.25"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(DoubleToText(value), text) << value;
}

TEST(DoubleToLongTest, RoundsHalvesToEven) {
  const std::pair<double, int32_t> cases[] = {
      {2.5, 2},
      {3.5, 4},
      {-2.5, -2},
      {-3.5, -4},
      {2.4999, 2},
      {2147483647.4, 2147483647},
      {-2147483648.0, -2147483647 - 1},
      // Whole numbers take a shorter way than fractions.
      {0.0, 0},
      {-0.0, 0},
      {17.0, 17},
      {-17.0, -17},
      {2147483647.0, 2147483647},
  };
  for (const auto& [value, rounded] : cases) EXPECT_EQ(DoubleToLong(value), rounded) << value;
  EXPECT_EQ(ErrorNumberOf([] { DoubleToLong(2147483648.0); }), 6);
  EXPECT_EQ(ErrorNumberOf([] { DoubleToLong(-2147483649.0); }), 6);
  EXPECT_EQ(ErrorNumberOf([] { DoubleToLong(1e300); }), 6);
  EXPECT_EQ(ErrorNumberOf([] { DoubleToLong(std::nan("")); }), 6);
}

TEST(IntegerToTextTest, WritesPlainDecimal) {
  EXPECT_EQ(IntegerToText(0), u"0");
  EXPECT_EQ(IntegerToText(-155), u"-155");
  EXPECT_EQ(IntegerToText(8801), u"8801");
  EXPECT_EQ(IntegerToText(INT64_MIN), u"-9223372036854775808");
  EXPECT_EQ(IntegerToText(INT64_MAX), u"9223372036854775807");
  std::u16string out = u"=";
  AppendInteger(out, -10);
  EXPECT_EQ(out, u"=-10");
  IntegerRoom room;
  EXPECT_EQ(IntegerDigits(0, room), u"0");
  EXPECT_EQ(IntegerDigits(INT64_MIN, room), u"-9223372036854775808");
}

// A unit's integers go into the registers without their text: the double must be the one the
// text reads back as, exactly, however far beyond 2^53 (where a double no longer holds every
// integer and the conversion rounds halves to even).
TEST(IntegerToDoubleTest, IsWhatItsTextReadsBackAs) {
  constexpr int64_t kExact = int64_t{1} << 53;
  const int64_t cases[] = {0,
                           1,
                           -1,
                           2147483647,
                           -2147483647 - 1,
                           2147483648,
                           kExact - 1,
                           kExact,
                           kExact + 1,
                           kExact + 3,
                           -kExact - 1,
                           -kExact - 3,
                           999999999999999999,
                           1234567890123456789,
                           INT64_MAX,
                           INT64_MAX - 511,
                           INT64_MIN,
                           INT64_MIN + 1};
  for (const int64_t value : cases) {
    const double read = TextToDouble(IntegerToText(value));
    EXPECT_EQ(IntegerToDouble(value), read) << value;
    EXPECT_EQ(std::signbit(IntegerToDouble(value)), std::signbit(read)) << value;
  }
  EXPECT_EQ(IntegerToDouble(kExact + 1), static_cast<double>(kExact));      // half to even: down
  EXPECT_EQ(IntegerToDouble(kExact + 3), static_cast<double>(kExact + 4));  // half to even: up
}

TEST(ParseIntegerTextTest, TakesExactlyWhatIntegerToTextWrites) {
  const std::pair<std::u16string_view, int64_t> integers[] = {
      {u"0", 0},
      {u"7", 7},
      {u"-1", -1},
      {u"8801", 8801},
      {u"-155", -155},
      {u"9223372036854775807", INT64_MAX},
      {u"-9223372036854775808", INT64_MIN},
      {u"1000000000000000000", 1000000000000000000},
  };
  for (const auto& [text, expected] : integers) {
    int64_t value = 12345;
    EXPECT_TRUE(ParseIntegerText(text, value)) << Utf16ToUtf8(text);
    EXPECT_EQ(value, expected) << Utf16ToUtf8(text);
    EXPECT_EQ(IntegerToText(value), text);
  }
  const std::u16string_view others[] = {
      u"",
      u"-",
      u"+5",
      u" 5",
      u"5 ",
      u"05",
      u"-0",
      u"-05",
      u"5.0",
      u"5.",
      u"1e3",
      u"0x1",
      u"--1",
      u"1-",
      u"\u0665",
      u"9223372036854775808",
      u"-9223372036854775809",
      u"18446744073709551616",
      u"99999999999999999999",
      u"12345678901234567890",
  };
  for (const std::u16string_view text : others) {
    int64_t value = 12345;
    EXPECT_FALSE(ParseIntegerText(text, value)) << Utf16ToUtf8(text);
    EXPECT_EQ(value, 12345) << Utf16ToUtf8(text);  // untouched
  }
}

}  // namespace
}  // namespace glyphwright
