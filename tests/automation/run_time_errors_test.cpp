// The run time's errors: one table gives the numbers their texts, and the library's errors take
// them from it.
#include <gtest/gtest.h>

#include <string>

#include "automation/automation_error.h"
#include "automation/run_time_errors.h"

namespace glyphwright {
namespace {

TEST(RunTimeErrors, NumbersHaveTheRunTimesTexts) {
  const std::pair<int32_t, std::u16string_view> cases[] = {
      {5, u"Invalid procedure call or argument"},
      {7, u"Out of memory"},
      {13, u"Type mismatch"},
      {53, u"File not found"},
      {75, u"Path/File access error"},
      {429, u"ActiveX component can't create object"},
      {450, u"Wrong number of arguments or invalid property assignment"},
      {1004, u"Application-defined or object-defined error"},
      {-2147467259, u"Automation error"},
  };
  for (const auto& [number, text] : cases) {
    EXPECT_EQ(StandardErrorText(number), text) << number;
  }
}

TEST(RunTimeErrors, TheLibrarysErrorsTakeNumberAndTextFromTheTable) {
  const AutomationError made[] = {errors::Overflow(),     errors::TypeMismatch(),
                                  errors::ObjectNotSet(), errors::CannotCreateObject(),
                                  errors::NotSupported(), errors::ArgumentNotOptional()};
  const int32_t numbers[] = {6, 13, 91, 429, 438, 449};
  for (std::size_t i = 0; i < std::size(made); ++i) {
    EXPECT_EQ(made[i].Number(), numbers[i]);
    EXPECT_EQ(made[i].Description(), StandardErrorText(numbers[i]));
  }
  EXPECT_EQ(errors::InternalError().Description(), u"Internal Error.");
}

}  // namespace
}  // namespace glyphwright
