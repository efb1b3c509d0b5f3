// The number lines the chemistry scans write through ScriptWriter, and the lengths they predict.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "chem/chem_test_support.h"
#include "chem/script_length.h"
#include "script/builders.h"

namespace glyphwright {
namespace {

using testing::Lines;
using testing::U8;

TEST(ScriptWriterNumbers, Command2WritesSignedDecimals) {
  ScriptWriter out;
  out.Command2(u"ReplaceChar", 0, -155).Command2(u"Subscript", 1234567, 10).Command2(u"X", 99, 100);
  EXPECT_EQ(U8(out.Script()), Lines({"=0", "=-155", "ReplaceChar", "=1234567", "=10", "Subscript",
                                     "=99", "=100", "X"}));
}

TEST(ScriptWriterNumbers, TheExtremes) {
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  ScriptWriter out;
  out.Value(kMin).Value(kMax).Value(int64_t{-1}).Value(int64_t{0});
  EXPECT_EQ(U8(out.Script()),
            Lines({"=-9223372036854775808", "=9223372036854775807", "=-1", "=0"}));
  EXPECT_EQ(UnitLength(u"Word", kMin, kMax),
            ScriptWriter().Command2(u"Word", kMin, kMax).Script().size());
}

TEST(ScriptWriterNumbers, UnitLengthMatchesWhatIsWritten) {
  for (const int64_t first : {int64_t{0}, int64_t{9}, int64_t{10}, int64_t{99}, int64_t{100},
                              int64_t{-155}, int64_t{8801}, int64_t{999999}, int64_t{1000000}}) {
    for (const int64_t second : {int64_t{1}, int64_t{12}, int64_t{-1}}) {
      ScriptWriter out;
      out.Command2(u"Subscript", first, second);
      EXPECT_EQ(UnitLength(u"Subscript", first, second), out.Script().size());
    }
  }
}

}  // namespace
}  // namespace glyphwright
