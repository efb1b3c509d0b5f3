// ChemRDigitQuery: the next script step of every digit run, from what the FontListener says about
// the first run.
#include "chem/chem_r_digit_query.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "automation/automation_error.h"
#include "chem/chem_test_support.h"
#include "chem/fake_font_listener.h"

namespace glyphwright {
namespace {

using testing::FakeFontListener;
using testing::Lines;
using testing::U16;
using testing::U8;

const std::string kC6H12O6 = "C6H12O6";

std::vector<std::string> C6H12O6Units(const std::string& word) {
  return {"=1", "=1", word, "=3", "=2", word, "=6", "=1", word};
}

FakeFontListener::Answer Always(Variant value) {
  return [value](int32_t, int32_t) { return value; };
}

struct DecisionCase {
  std::string name;
  Variant subscript;
  Variant superscript;
  std::string word;
};

class Decision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(Decision, EveryRunGetsTheStepAfterTheFirstRunsState) {
  auto listener = std::make_shared<FakeFontListener>();
  listener->subscript = Always(GetParam().subscript);
  listener->superscript = Always(GetParam().superscript);
  ChemRDigitQuery query;
  query.SetFontListener(listener);
  EXPECT_EQ(U8(query.GetCommands(U16(kC6H12O6))), Lines(C6H12O6Units(GetParam().word)));
  // Only the first run is asked about.
  EXPECT_EQ(listener->calls,
            (std::vector<std::string>{"GetSubscript(1,1)", "GetSuperscript(1,1)"}));
  for (const Variant& value : listener->valuesReceived) EXPECT_EQ(value, Variant(int32_t{0}));
}

const int32_t kMixed = 9999999;

INSTANTIATE_TEST_SUITE_P(
    Answers, Decision,
    ::testing::Values(
        DecisionCase{"Plain", int32_t{0}, int32_t{0}, "Subscript"},
        DecisionCase{"Subscript", int32_t{-1}, int32_t{0}, "Superscript"},
        DecisionCase{"SubscriptWinsOverSuperscript", int32_t{-1}, int32_t{-1}, "Superscript"},
        DecisionCase{"Superscript", int32_t{0}, int32_t{-1}, "NormalScript"},
        DecisionCase{"SuperscriptAnyNonZero", int32_t{0}, int32_t{1}, "NormalScript"},
        DecisionCase{"SuperscriptMixed", int32_t{0}, kMixed, "NormalScript"},
        DecisionCase{"SubscriptMixed", kMixed, int32_t{-1}, "Subscript"},
        DecisionCase{"SubscriptMixedSuperscriptNo", kMixed, int32_t{0}, "Subscript"},
        DecisionCase{"SubscriptOne", int32_t{1}, int32_t{-1}, "Subscript"},
        DecisionCase{"SubscriptAsDouble", -1.0, 0.0, "Superscript"},
        DecisionCase{"SubscriptAsBoolean", true, false, "Superscript"},
        DecisionCase{"SubscriptFraction", -0.5, int32_t{-1}, "Subscript"},
        DecisionCase{"SubscriptNotANumber", Variant(u"-1"), int32_t{-1}, "Subscript"},
        DecisionCase{"SuperscriptNotANumber", int32_t{0}, Variant(u"0"), "NormalScript"},
        DecisionCase{"NothingWritten", Variant(), Variant(), "Subscript"}),
    [](const ::testing::TestParamInfo<DecisionCase>& info) { return info.param.name; });

TEST(ChemRDigit, OnlyTheFirstRunCounts) {
  // H2O2 with the first 2 subscript and the second plain: both become superscript.
  auto listener = std::make_shared<FakeFontListener>();
  listener->subscript = [](int32_t index, int32_t) { return Variant(index == 1 ? -1 : 0); };
  ChemRDigitQuery query;
  query.SetFontListener(listener);
  EXPECT_EQ(U8(query.GetCommands(u"H2O2")),
            Lines({"=1", "=1", "Superscript", "=3", "=1", "Superscript"}));
}

struct RunCase {
  std::string text;
  std::vector<std::string> lines;
};

void PrintTo(const RunCase& row, std::ostream* out) {
  *out << row.text;
}

class DigitRuns : public ::testing::TestWithParam<RunCase> {};

TEST_P(DigitRuns, RunsAndRanges) {
  ChemRDigitQuery query;
  query.SetFontListener(std::make_shared<FakeFontListener>());
  EXPECT_EQ(U8(query.GetCommands(U16(GetParam().text))), Lines(GetParam().lines));
}

INSTANTIATE_TEST_SUITE_P(Texts, DigitRuns,
                         ::testing::Values(RunCase{"2 apples", {}}, RunCase{"", {}},
                                           RunCase{"x1~3", {"=1", "=3", "Subscript"}},
                                           RunCase{"x1-3", {"=1", "=3", "Subscript"}},
                                           RunCase{"x1-3-5", {"=1", "=3", "Subscript"}},
                                           RunCase{"text1-3", {"=4", "=3", "Subscript"}},
                                           // Full-width ｘ１～３.
                                           RunCase{
                                               "\xEF\xBD\x98\xEF\xBC\x91\xEF\xBD\x9E\xEF\xBC\x93",
                                               {"=1", "=3", "Subscript"}},
                                           RunCase{"Ca(OH)2", {"=6", "=1", "Subscript"}}));

TEST(ChemRDigit, ATextWithoutRunsNeverAsksTheListener) {
  ChemRDigitQuery query;  // no listener at all
  EXPECT_EQ(query.GetCommands(u"2 apples"), u"");
  auto listener = std::make_shared<FakeFontListener>();
  query.SetFontListener(listener);
  EXPECT_EQ(query.GetCommands(u"no digits"), u"");
  EXPECT_TRUE(listener->calls.empty());
}

void ExpectInternalError(ChemRDigitQuery& query, std::u16string_view text) {
  try {
    query.GetCommands(text);
    ADD_FAILURE() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 1);
    EXPECT_EQ(error.Description(), u"Internal Error.");
  }
}

TEST(ChemRDigit, WithoutAListenerARunIsAnInternalError) {
  ChemRDigitQuery query;
  ExpectInternalError(query, u"H2O");
}

TEST(ChemRDigit, AListenerThatAlwaysFailsIsAnInternalError) {
  auto listener = std::make_shared<FakeFontListener>();
  listener->fails = [](const std::string&, int32_t) { return true; };
  ChemRDigitQuery query;
  query.SetFontListener(listener);
  ExpectInternalError(query, u"H2O2");
  // Every SetSubscript of every run asked again: two a run.
  EXPECT_EQ(listener->calls, (std::vector<std::string>{"GetSubscript(1,1)", "GetSubscript(1,1)",
                                                       "GetSubscript(3,1)", "GetSubscript(3,1)"}));
}

TEST(ChemRDigit, AListenerWithoutGetSuperscriptIsAnInternalError) {
  class SubscriptOnly : public TableDispatch<SubscriptOnly> {
   public:
    static MemberTable Members() {
      static constexpr auto kMembers =
          Rows(Method<&Self::GetSubscript>(u"GetSubscript", 1, {u"Index", u"Length", u"Value"}));
      return kMembers;
    }
    void GetSubscript(Variant&, Variant&, Variant&) {}
  };
  ChemRDigitQuery query;
  query.SetFontListener(std::make_shared<SubscriptOnly>());
  ExpectInternalError(query, u"H2O");
}

TEST(ChemRDigit, AFailureIsAskedAgainByTheNextSetSubscriptOfTheSameRun) {
  auto listener = std::make_shared<FakeFontListener>();
  int failures = 1;
  listener->fails = [&failures](const std::string&, int32_t) { return failures-- > 0; };
  listener->subscript = Always(int32_t{-1});
  ChemRDigitQuery query;
  query.SetFontListener(listener);
  EXPECT_EQ(U8(query.GetCommands(u"H2O2")),
            Lines({"=1", "=1", "Superscript", "=3", "=1", "Superscript"}));
  EXPECT_EQ(listener->calls, (std::vector<std::string>{"GetSubscript(1,1)", "GetSubscript(1,1)",
                                                       "GetSuperscript(1,1)"}));
}

TEST(ChemRDigit, WhenTheFirstRunCannotBeToldALaterRunDecides) {
  auto listener = std::make_shared<FakeFontListener>();
  listener->fails = [](const std::string&, int32_t index) { return index == 1; };
  listener->superscript = Always(int32_t{-1});
  ChemRDigitQuery query;
  query.SetFontListener(listener);
  EXPECT_EQ(U8(query.GetCommands(u"H2O34")),
            Lines({"=1", "=1", "NormalScript", "=3", "=2", "NormalScript"}));
  EXPECT_EQ(listener->calls,
            (std::vector<std::string>{"GetSubscript(1,1)", "GetSubscript(1,1)", "GetSubscript(3,2)",
                                      "GetSuperscript(3,2)"}));
}

TEST(ChemRDigit, EachCallDecidesAfresh) {
  auto listener = std::make_shared<FakeFontListener>();
  ChemRDigitQuery query;
  query.SetFontListener(listener);
  listener->subscript = Always(int32_t{-1});
  EXPECT_EQ(U8(query.GetCommands(u"H2")), Lines({"=1", "=1", "Superscript"}));
  listener->subscript = Always(int32_t{0});
  listener->superscript = Always(int32_t{-1});
  EXPECT_EQ(U8(query.GetCommands(u"H2")), Lines({"=1", "=1", "NormalScript"}));
  listener->superscript = Always(int32_t{0});
  EXPECT_EQ(U8(query.GetCommands(u"H2")), Lines({"=1", "=1", "Subscript"}));
}

TEST(ChemRDigit, ThroughItsDispatchInterface) {
  auto query = std::make_shared<ChemRDigitQuery>();
  auto listener = std::make_shared<FakeFontListener>();
  listener->subscript = Always(int32_t{-1});
  Variant listenerArgument{DispatchRef(listener)};
  Variant* putArgs[] = {&listenerArgument};
  CallByName(*query, u"fontlistener", InvokeKind::PropertyPutRef, putArgs);
  EXPECT_EQ(CallByName(*query, u"FontListener", InvokeKind::PropertyGet, {}),
            Variant(DispatchRef(listener)));

  Variant text(u"C6H12O6");
  Variant* textArgs[] = {&text};
  EXPECT_EQ(CallByName(*query, u"GetCommands", InvokeKind::Method, textArgs),
            Variant(U16(Lines(C6H12O6Units("Superscript")))));

  Variant value(u"$CursorPosition");
  Variant* valueArgs[] = {&value};
  EXPECT_EQ(CallByName(*query, u"QueryValue", InvokeKind::Method, valueArgs),
            Variant(u"$CursorPosition"));
}

TEST(ChemRDigit, HostsMayCallSetSubscriptWithoutV) {
  auto query = std::make_shared<ChemRDigitQuery>();
  auto listener = std::make_shared<FakeFontListener>();
  query->SetFontListener(listener);
  Variant index(2.0);
  Variant length(u"3");
  Variant* args[] = {&index, &length};
  CallByName(*query, u"SetSubscript", InvokeKind::Method, args);
  EXPECT_EQ(listener->calls,
            (std::vector<std::string>{"GetSubscript(2,3)", "GetSuperscript(2,3)"}));
}

}  // namespace
}  // namespace glyphwright
