// A unit handed over as two integers and a word does exactly what the same unit's lines do run as
// a script: the same document, the same error, the same calls reaching the host, whichever host
// it is, however full the stack and whatever IgnoreError says.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "automation/automation_error.h"
#include "automation/number_text.h"
#include "document/document.h"
#include "document/renderers.h"
#include "script/command_runner.h"
#include "support/recording_executer.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

struct IntegerUnit {
  int64_t first;
  int64_t second;
  std::u16string word;
};

std::string Argument(int32_t value) {
  return std::to_string(value);
}
std::string Argument(bool value) {
  return value ? "True" : "False";
}
std::string Argument(std::u16string_view value) {
  return Utf16ToUtf8(value);
}

// The reference document, logging every call that reaches it through HostEditing. It answers
// QueryValueKeepsIntegers as told; it may answer every integer plus one instead (and then must
// not keep integers), and it may fail one operation.
class LoggingDocument : public Document {
 public:
  LoggingDocument(bool keepsIntegers, bool addsOne, std::string failing)
      : Document(u"ab\r", u"H2SO4 + Fe3+ D-x 1234567890", u"\rzz"),
        keepsIntegers_(keepsIntegers),
        addsOne_(addsOne),
        failing_(std::move(failing)) {}

  mutable std::vector<std::string> log;
  mutable int queries = 0;

  bool QueryValueKeepsIntegers() const override { return keepsIntegers_; }
  void QueryValueText(std::u16string_view value, std::u16string& answer) const override {
    ++queries;
    // A host that keeps integers promises the call does nothing: it is left out of the log, as
    // the runner may leave it out.
    if (!keepsIntegers_) log.push_back("QueryValue(" + Utf16ToUtf8(value) + ")");
    if (int64_t number = 0; addsOne_ && ParseIntegerText(value, number) && number < INT64_MAX) {
      answer = IntegerToText(number + 1);
      return;
    }
    Document::QueryValueText(value, answer);
  }
  void SetSubscript(int32_t Index, int32_t Length, bool flag) override {
    Log("SetSubscript", Index, Length, flag);
    Document::SetSubscript(Index, Length, flag);
  }
  void SetSuperscript(int32_t Index, int32_t Length, bool flag) override {
    Log("SetSuperscript", Index, Length, flag);
    Document::SetSuperscript(Index, Length, flag);
  }
  void SetSmall(int32_t Index, int32_t Length) override {
    Log("SetSmall", Index, Length);
    Document::SetSmall(Index, Length);
  }
  void SetStyle(int32_t Index, int32_t Length, std::u16string_view StyleName) override {
    Log("SetStyle", Index, Length, StyleName);
    Document::SetStyle(Index, Length, StyleName);
  }
  void ApplyStyle(std::u16string_view StyleName) override {
    Log("ApplyStyle", StyleName);
    Document::ApplyStyle(StyleName);
  }
  void ReplaceChar(int32_t Index, std::u16string_view Code) override {
    Log("ReplaceChar", Index, Code);
    Document::ReplaceChar(Index, Code);
  }
  void TypeBackspace() override {
    Log("TypeBackspace");
    Document::TypeBackspace();
  }
  void TypeParagraph() override {
    Log("TypeParagraph");
    Document::TypeParagraph();
  }
  void TypeText(std::u16string_view Text, std::u16string_view StyleName) override {
    Log("TypeText", Text, StyleName);
    Document::TypeText(Text, StyleName);
  }
  void MoveCursor(std::u16string_view Target) override {
    Log("MoveCursor", Target);
    Document::MoveCursor(Target);
  }
  void CopyText(int32_t Start, int32_t Length) override {
    Log("CopyText", Start, Length);
    Document::CopyText(Start, Length);
  }
  void CutText(int32_t Start, int32_t Length) override {
    Log("CutText", Start, Length);
    Document::CutText(Start, Length);
  }
  void PasteText() override {
    Log("PasteText");
    Document::PasteText();
  }
  void DeleteText(int32_t Start, int32_t Length) override {
    Log("DeleteText", Start, Length);
    Document::DeleteText(Start, Length);
  }
  void SelectRange(int32_t Start, int32_t Length) override {
    Log("SelectRange", Start, Length);
    Document::SelectRange(Start, Length);
  }

 private:
  template <class... Args>
  void Log(const std::string& name, Args... args) {
    std::string call = name + "(";
    std::string separator;
    ((call += separator + Argument(args), separator = ", "), ...);
    log.push_back(call + ")");
    if (name == failing_) throw AutomationError(5, u"The host refused the call.");
  }

  bool keepsIntegers_;
  bool addsOne_;
  std::string failing_;
};

enum class Host { KeepsIntegers, AsksEveryValue, AddsOne, FailsSuperscript, ByName };

struct Outcome {
  std::vector<std::string> calls;
  std::string json;
  std::string text;
  std::string clipboard;
  int32_t cursor = 0;
  int32_t selectionStart = 0;
  int32_t selectionLength = 0;
  std::optional<int32_t> number;
  std::string description;

  friend bool operator==(const Outcome&, const Outcome&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    for (const std::string& call : o.calls) out << call << "; ";
    return out << "| " << o.json << " | clipboard " << o.clipboard << " | cursor " << o.cursor
               << " selection " << o.selectionStart << "+" << o.selectionLength << " | error "
               << (o.number ? std::to_string(*o.number) : "none") << " " << o.description;
  }
};

std::u16string LinesOf(const std::vector<IntegerUnit>& units) {
  std::u16string script;
  for (const IntegerUnit& unit : units) {
    script += u"=" + IntegerToText(unit.first) + u"\n=" + IntegerToText(unit.second) + u"\n" +
              unit.word + u"\n";
  }
  return script;
}

// Runs on a fresh host of the kind. askEveryValue makes a document host one that does not keep
// integers, its QueryValue calls left out of the log: what the runner does without a shortcut.
Outcome RunOn(Host host, bool ignoreError, bool askEveryValue,
              const std::function<void(CommandRunner&)>& run) {
  std::shared_ptr<LoggingDocument> document;
  std::shared_ptr<testing::RecordingExecuter> recorder;
  CommandRunner runner;
  if (host == Host::ByName) {
    recorder = std::make_shared<testing::RecordingExecuter>();
    runner.SetExecuter(recorder);
  } else {
    const bool keeps = host == Host::KeepsIntegers || host == Host::FailsSuperscript;
    document =
        std::make_shared<LoggingDocument>(keeps && !askEveryValue, host == Host::AddsOne,
                                          host == Host::FailsSuperscript ? "SetSuperscript" : "");
    runner.SetExecuter(document);
  }
  runner.SetIgnoreError(ignoreError);
  Outcome outcome;
  try {
    run(runner);
  } catch (const AutomationError& error) {
    outcome.number = error.Number();
    outcome.description = Utf16ToUtf8(error.Description());
  }
  if (recorder) {
    outcome.calls = recorder->calls;
    return outcome;
  }
  for (const std::string& call : document->log) {
    if (!askEveryValue || call.rfind("QueryValue(", 0) != 0) outcome.calls.push_back(call);
  }
  outcome.json = Utf16ToUtf8(RenderJson(*document));
  outcome.text = Utf16ToUtf8(document->Text());
  outcome.clipboard = Utf16ToUtf8(document->ClipboardText());
  outcome.cursor = document->Cursor();
  outcome.selectionStart = document->SelectionStart();
  outcome.selectionLength = document->SelectionLength();
  return outcome;
}

// `typed` hands the integers over, otherwise the units' lines run as one script.
Outcome RunUnits(const std::vector<IntegerUnit>& units, Host host, bool ignoreError, bool typed,
                 bool askEveryValue = false) {
  return RunOn(host, ignoreError, askEveryValue, [&](CommandRunner& runner) {
    if (typed) {
      runner.BeginUnits();
      for (const IntegerUnit& unit : units) runner.RunUnit(unit.first, unit.second, unit.word);
    } else {
      runner.Run(LinesOf(units));
    }
  });
}

// The units handed over together, each run of units of one word at once, as a scan hands them.
Outcome RunUnitsTogether(const std::vector<IntegerUnit>& units, Host host, bool ignoreError) {
  return RunOn(host, ignoreError, false, [&](CommandRunner& runner) {
    runner.BeginUnits();
    for (std::size_t start = 0; start < units.size();) {
      std::vector<UnitIntegers> together;
      std::size_t end = start;
      for (; end < units.size() && units[end].word == units[start].word; ++end) {
        together.push_back({units[end].first, units[end].second});
      }
      runner.RunUnits(units[start].word, together);
      start = end;
    }
  });
}

// Units that fill the stack to depth before the units under test: two values a unit, and a
// unit that pops one for an odd depth.
std::vector<IntegerUnit> StackOf(int32_t depth, std::vector<IntegerUnit> then) {
  std::vector<IntegerUnit> units;
  for (int32_t i = 0; i < depth / 2; ++i) units.push_back({100 + i, 200 + i, u""});
  if (depth % 2 != 0) units.push_back({7, 8, u"Pop"});
  units.insert(units.end(), then.begin(), then.end());
  return units;
}

constexpr int64_t kTwoTo53 = int64_t{1} << 53;
// Types the value on top of the stack, below the unit's own two.
const IntegerUnit kTypeTop = {0, 0, u"Pop\nPop\nTypeText"};

struct Case {
  const char* name;
  std::vector<IntegerUnit> units;
};

const Case kCases[] = {
    {"Formula",
     {{1, 1, u"Subscript"},
      {3, 1, u"Subscript"},
      {9, 2, u"Superscript"},
      {0, 1, u"Italic"},
      {5, 2, u"Small"}}},
    {"EveryWordOfTwoNumbers",
     {{0, 5, u"NormalScript"},
      {1, 1, u"Bold"},
      {2, 2, u"Chemical Italic"},
      {13, 1, u"Chemical Small"},
      {0, 2, u"Copy"},
      {4, 1, u"Cut"},
      {6, 1, u"Delete"},
      {2, 3, u"Select"},
      {4, 9, u"Plus"},
      kTypeTop,
      {4, 9, u"Minus"},
      kTypeTop}},
    {"Int32Edges",
     {{2147483647, 1, u"Italic"},
      {-2147483647 - 1, 2147483647, u"Bold"},
      {2147483648, 1, u"Subscript"},
      {0, -2147483649, u"Small"},
      {5, 1, u"Bold"}}},
    {"Int64Edges",
     {{INT64_MAX, INT64_MIN, u"Plus"},
      kTypeTop,
      {INT64_MAX, INT64_MIN, u"Minus"},
      kTypeTop,
      {INT64_MIN, 1, u"Italic"},
      {1, INT64_MAX, u"Copy"}}},
    // Beyond 2^53 the registers hold the doubles the texts read as, halves rounded to even:
    // 2^53 + 1 is 2^53, 2^53 + 3 is 2^53 + 4.
    {"BeyondTwoTo53",
     {{kTwoTo53 + 1, kTwoTo53, u"Minus"},
      kTypeTop,
      {kTwoTo53 + 3, kTwoTo53, u"Minus"},
      kTypeTop,
      {-kTwoTo53 - 3, -kTwoTo53, u"Minus"},
      kTypeTop,
      {kTwoTo53 + 3, kTwoTo53 + 1, u"Italic"}}},
    {"ZeroLength", {{5, 0, u"Subscript"}, {0, 0, u"Small"}, {3, 0, u"Select"}, {0, 0, u"Delete"}}},
    {"Negative",
     {{-3, 2, u"Italic"}, {1, -1, u"Copy"}, {-5, -5, u"Superscript"}, {2, 1, u"Paste"}}},
    {"StackAt99", StackOf(99, {{1, 2, u"Subscript"}, {3, 1, u"Italic"}, kTypeTop})},
    {"StackAt100", StackOf(100, {{1, 2, u"Subscript"}, {3, 1, u"Italic"}, kTypeTop})},
    {"StackAt101", StackOf(101, {{1, 2, u"Subscript"}, {3, 1, u"Italic"}, kTypeTop})},
    {"StackFilledByUnits", StackOf(98, {{1, 2, u""}, {3, 4, u"Bold"}, {5, 6, u"Bold"}})},
    {"WordsThatAreLines",
     {{4, 2, u"Copy\nPaste"},
      {7, 8, u"=x\nTypeText"},
      {2, 3, u"=9"},
      {1, 1, u"Minus\nInv\nTypeText\nTypeText"},
      {1, 2, u"Subscript\n"},
      {0, 1, u"\nItalic"},
      {3, 1, u"=Bold"}}},
    {"WordChangesFromUnitToUnit",
     {{1, 1, u"Subscript"},
      {2, 1, u"Italic"},
      {3, 1, u"Subscript"},
      {4, 1, u""},
      {5, 1, u"Bogus"},
      {6, 1, u"Subscript "},
      {7, 1, u"subscript"},
      {8, 1, u"Subscript"},
      {0, 0, u"Pop\nPop\nPop\nPop\nTypeText"}}},
    {"WordsOfText",
     {{0, 8801, u"ReplaceChar"},
      {1, -155, u"ReplaceChar"},
      {2, 70000, u"ReplaceChar"},
      {3, 7, u"TypeStyledText"},
      {4, 0, u"TypeText"},
      {0, 5, u"GoTo"},
      {1, 2, u"ApplyStyle"}}},
    // Words of equal length that differ in one code unit, at the start, in the middle or at the
    // end: each unit is the word it names, not the one before it.
    {"WordsThatDifferInOneCodeUnit",
     {{1, 1, u"Subscript"},
      {2, 1, u"Subscripx"},
      {3, 1, u"Subscript"},
      {4, 1, u"Xubscript"},
      {5, 1, u"Subxcript"},
      {6, 1, u"Bold"},
      {7, 1, u"Bolt"},
      {8, 1, u"Bold"},
      {9, 1, u"Italic"},
      {10, 1, u"Italix"},
      {11, 1, u"Pop"},
      {12, 1, u"Pox"},
      {0, 0, u"Pop\nPop\nPop\nPop\nTypeText"}}},
    // More words in turn than the runner remembers: each is still the word it is.
    {"ManyWordsInTurn",
     {{1, 1, u"Subscript"},
      {2, 1, u"Superscript"},
      {3, 1, u"Italic"},
      {4, 1, u"Small"},
      {5, 1, u"Bold"},
      {6, 1, u"NormalScript"},
      {1, 2, u"Subscript"},
      {2, 2, u"Superscript"},
      {3, 2, u"Italic"},
      {4, 2, u"Small"},
      {5, 2, u"Bold"},
      {6, 2, u"NormalScript"},
      {7, 1, u"Copy\nPaste"},
      {7, 2, u"Subscript"}}},
    // Runs of one word, handed over together: each unit still does what its lines do.
    {"RunsOfOneWord",
     {{1, 1, u"Subscript"},
      {3, 1, u"Subscript"},
      {9, 2, u"Subscript"},
      {2, 1, u"Superscript"},
      {4, 1, u"Superscript"},
      {4, 9, u"Plus"},
      {1, 1, u"Plus"},
      {0, 0, u"Pop\nPop\nTypeText"},
      {0, 0, u"Pop\nPop\nTypeText"},
      {5, 1, u"Copy\nPaste"},
      {6, 1, u"Copy\nPaste"},
      {2147483648, 1, u"Subscript"},
      {5, 1, u"Subscript"}}},
    {"RunOfOneWordFillsTheStack",
     StackOf(97, {{1, 2, u""}, {3, 4, u""}, {5, 6, u""}, {7, 8, u"Subscript"}, kTypeTop})},
    // Each Plus leaves its sum on the stack, so a run of them fills it part way through.
    {"RunOfSumsFillsTheStack", StackOf(97, {{1, 2, u"Plus"},
                                            {3, 4, u"Plus"},
                                            {5, 6, u"Plus"},
                                            {7, 8, u"Plus"},
                                            {0, 0, u"Pop\nTypeText"},
                                            kTypeTop})},
    // Registers keep what the last word left when a pop fails.
    {"RegistersCarryOver",
     {{5, 6, u"Subscript"}, {7, 8, u"Pop\nPop\nCopy"}, {9, 10, u"Pop\nPop\nItalic"}}},
};

class TypedUnitsTest : public ::testing::TestWithParam<std::tuple<Case, Host, bool>> {};

TEST_P(TypedUnitsTest, DoWhatTheirLinesDo) {
  const auto& [c, host, ignoreError] = GetParam();
  const Outcome typed = RunUnits(c.units, host, ignoreError, true);
  const Outcome lines = RunUnits(c.units, host, ignoreError, false);
  EXPECT_EQ(typed, lines);
  EXPECT_EQ(RunUnitsTogether(c.units, host, ignoreError), lines);
  EXPECT_TRUE(!lines.calls.empty() || lines.number) << "the case shows nothing";
  // Both may take integers as they stand: what they do is what asking for every value does.
  if (host == Host::KeepsIntegers || host == Host::FailsSuperscript) {
    EXPECT_EQ(lines, RunUnits(c.units, host, ignoreError, false, true));
  }
}

std::string HostName(Host host) {
  switch (host) {
    case Host::KeepsIntegers:
      return "KeepsIntegers";
    case Host::AsksEveryValue:
      return "AsksEveryValue";
    case Host::AddsOne:
      return "AddsOne";
    case Host::FailsSuperscript:
      return "FailsSuperscript";
    case Host::ByName:
      return "ByName";
  }
  return "";
}

INSTANTIATE_TEST_SUITE_P(Units, TypedUnitsTest,
                         ::testing::Combine(::testing::ValuesIn(kCases),
                                            ::testing::Values(Host::KeepsIntegers,
                                                              Host::AsksEveryValue, Host::AddsOne,
                                                              Host::FailsSuperscript, Host::ByName),
                                            ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  HostName(std::get<1>(info.param)) +
                                  (std::get<2>(info.param) ? "_IgnoreError" : "");
                         });

// The cases above would pass if the integers always went the way of text; these show when they
// do not.
TEST(TypedUnitsShortcut, AHostThatKeepsIntegersIsNotAskedForThem) {
  const auto document = std::make_shared<LoggingDocument>(true, false, "");
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.BeginUnits();
  runner.RunUnit(1, 1, u"Subscript");
  runner.RunUnit(0, 1, u"Italic");
  runner.RunUnit(2, 3, u"Copy");
  EXPECT_EQ(document->queries, 0);
  // A word that is not one word of two numbers asks for every value.
  runner.RunUnit(4, 5, u"Copy\nPaste");
  runner.RunUnit(0, 65, u"ReplaceChar");
  runner.RunUnit(6, 7, u"");
  EXPECT_EQ(document->queries, 6);
}

TEST(TypedUnitsShortcut, AHostThatMayChangeValuesIsAskedForEach) {
  for (const bool addsOne : {false, true}) {
    const auto document = std::make_shared<LoggingDocument>(false, addsOne, "");
    CommandRunner runner;
    runner.SetExecuter(document);
    runner.BeginUnits();
    runner.RunUnit(1, 1, u"Subscript");
    runner.RunUnit(0, 1, u"Italic");
    EXPECT_EQ(document->queries, 4);
    EXPECT_EQ(document->log.front(), "QueryValue(1)");
  }
}

// A class derived from the document that gives QueryValue answers of its own, and says nothing
// of keeping integers, is asked every value: its answers place the word.
TEST(TypedUnitsShortcut, ADerivedDocumentIsAskedEveryValue) {
  class PlusOne : public Document {
   public:
    using Document::Document;
    void QueryValueText(std::u16string_view value, std::u16string& answer) const override {
      ++queries;
      int64_t number = 0;
      ParseIntegerText(value, number);
      answer = IntegerToText(number + 1);
    }
    mutable int queries = 0;
  };
  EXPECT_TRUE(Document().QueryValueKeepsIntegers());
  const auto document = std::make_shared<PlusOne>(u"abcdef");
  EXPECT_FALSE(document->QueryValueKeepsIntegers());
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.BeginUnits();
  runner.RunUnit(1, 1, u"Subscript");
  runner.RunUnit(3, 1, u"Superscript");
  EXPECT_EQ(document->queries, 4);
  EXPECT_EQ(RenderHtml(*document), u"<p>ab<sub>cd</sub><sup>ef</sup></p>\n");
}

// Two places left on the stack: the shortcut still applies; one place: every value is asked for,
// so the full stack raises where the lines raise.
TEST(TypedUnitsShortcut, TakenOnlyWithRoomForBothValues) {
  for (const int32_t depth : {99, 100}) {
    const auto document = std::make_shared<LoggingDocument>(true, false, "");
    CommandRunner runner;
    runner.SetExecuter(document);
    runner.BeginUnits();
    for (const IntegerUnit& unit : StackOf(depth, {})) {
      runner.RunUnit(unit.first, unit.second, unit.word);
    }
    const int queries = document->queries;
    if (depth == 99) {
      runner.RunUnit(1, 2, u"Subscript");
      EXPECT_EQ(document->queries, queries);
    } else {
      EXPECT_THROW(runner.RunUnit(1, 2, u"Subscript"), AutomationError);
      EXPECT_EQ(document->queries, queries + 2);
    }
  }
}

// An Executer replaced during a unit's call is the one the next unit reaches, by name.
TEST(TypedUnitsShortcut, TheNextUnitReachesAReplacedExecuter) {
  CommandRunner runner;
  const auto recorder = std::make_shared<testing::RecordingExecuter>();
  class HandingOver : public LoggingDocument {
   public:
    HandingOver(CommandRunner& runner, DispatchRef next)
        : LoggingDocument(true, false, ""), runner_(runner), next_(std::move(next)) {}
    void SetSmall(int32_t Index, int32_t Length) override {
      runner_.SetExecuter(next_);
      LoggingDocument::SetSmall(Index, Length);
    }

   private:
    CommandRunner& runner_;
    DispatchRef next_;
  };
  runner.SetExecuter(std::make_shared<HandingOver>(runner, recorder));
  runner.BeginUnits();
  runner.RunUnit(1, 2, u"Small");
  runner.RunUnit(3, 4, u"Subscript");
  EXPECT_EQ(recorder->calls,
            testing::Lines({"QueryValue(3)", "QueryValue(4)", "SetSubscript(3, 4, False)",
                            "SetSuperscript(3, 4, False)", "SetSubscript(3, 4, True)"}));
}

// Scripts whose value lines look like integers, or nearly: taken as they stand or not, each does
// what it does on a host that is asked for every value.
TEST(IntegerLines, DoWhatTheyDoWhenEveryValueIsAsked) {
  const std::u16string scripts[] = {
      u"=1\n=2\nSubscript\n=3\n=1\nSuperscript\n",
      u"=1\n=2\nSubscript",  // the word ends the script without an LF
      u"=1\n=2\n",
      u"=1\n=2",
      u"=1\n",
      u"=01\n=2\nItalic\n=+1\n=2\nItalic\n= 1\n=2\nItalic\n=1.0\n=2\nItalic\n",
      u"=-0\n=2\nItalic\n=1\n=-0\nBold\n=1e1\n=1\nBold\n",
      u"=1\n=2\nSubscript\r\n=1\n=2\nSubscript \n=1\n=2\n=3\nSmall\n",
      u"=1\n=x\nSubscript\n=x\n=1\nSubscript\n",
      u"=1\nBold\n=2\n=3\nBold\n",
      u"=2147483648\n=1\nItalic\n=9223372036854775807\n=1\nItalic\n=3\n=1\nItalic\n",
      u"=9223372036854775808\n=1\nMinus\nTypeText\n=9007199254740993\n=0\nPlus\nTypeText\n",
      u"=$CursorPosition\n=1\nSubscript\n=1\n=$CursorPosition\nSubscript\n",
      u"=4\n=2\nCopy\nPaste\n=0\n=1\nCut\nPaste\n=1\n=2\nDelete\n=0\n=3\nSelect\n",
      u"=0\n=65\nReplaceChar\n=5\n=6\nTypeStyledText\n",
      LinesOf(StackOf(99, {{1, 2, u"Subscript"}, kTypeTop})),
      LinesOf(StackOf(100, {{1, 2, u"Subscript"}, kTypeTop})),
      u"",
      u"=",
      u"=\n=\nSubscript\n",
  };
  for (const std::u16string& script : scripts) {
    for (const Host host : {Host::KeepsIntegers, Host::FailsSuperscript}) {
      for (const bool ignoreError : {false, true}) {
        const auto run = [&](CommandRunner& runner) { runner.Run(script); };
        EXPECT_EQ(RunOn(host, ignoreError, false, run), RunOn(host, ignoreError, true, run))
            << Utf16ToUtf8(script) << " " << ignoreError;
      }
    }
  }
}

// A host called by name may write to the registers it is passed, and the calls after it see what
// it wrote, even when they are typed calls on a document again.
TEST(TypedUnitsRegisters, ACallByNameThatWritesThemIsHeardByTheTypedCallsAfterIt) {
  class HandsOverOnClearing : public LoggingDocument {
   public:
    HandsOverOnClearing(CommandRunner& runner, DispatchRef next)
        : LoggingDocument(true, false, ""), runner_(runner), next_(std::move(next)) {}
    void SetSubscript(int32_t Index, int32_t Length, bool flag) override {
      LoggingDocument::SetSubscript(Index, Length, flag);
      if (!flag) runner_.SetExecuter(next_);
    }

   private:
    CommandRunner& runner_;
    DispatchRef next_;
  };
  for (const bool typed : {true, false}) {
    CommandRunner runner;
    const auto recorder = std::make_shared<testing::RecordingExecuter>();
    const auto document = std::make_shared<HandsOverOnClearing>(runner, recorder);
    recorder->hook = [&](std::u16string_view name, Arguments args) {
      if (name != u"SetSuperscript") return;
      *args[0] = Variant(7.0);
      *args[1] = Variant(int32_t{2});
      runner.SetExecuter(document);
    };
    runner.SetExecuter(document);
    if (typed) {
      runner.BeginUnits();
      runner.RunUnit(1, 1, u"Subscript");
      runner.RunUnit(3, 1, u"Subscript");
    } else {
      runner.Run(u"=1\n=1\nSubscript\n=3\n=1\nSubscript\n");
    }
    EXPECT_EQ(document->log,
              testing::Lines({"SetSubscript(1, 1, False)", "SetSubscript(7, 2, True)",
                              "SetSubscript(3, 1, False)", "SetSubscript(7, 2, True)"}))
        << typed;
    EXPECT_EQ(recorder->calls,
              testing::Lines({"SetSuperscript(1, 1, False)", "SetSuperscript(3, 1, False)"}));
  }
}

}  // namespace
}  // namespace glyphwright
