// The reference document takes a script word's three calls (both script states cleared, one set)
// in one pass. It must end exactly as the three calls leave it, raise what they raise, and a
// document of a derived class must still hear each of the calls.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "automation/automation_error.h"
#include "document_test_support.h"

namespace glyphwright {
namespace {

// A document that hears the script calls one by one.
class ListeningDocument : public Document {
 public:
  using Document::Document;
  void SetSubscript(int32_t Index, int32_t Length, bool flag) override {
    calls.push_back("SetSubscript(" + std::to_string(Index) + ", " + std::to_string(Length) +
                    (flag ? ", True)" : ", False)"));
    Document::SetSubscript(Index, Length, flag);
  }
  void SetSuperscript(int32_t Index, int32_t Length, bool flag) override {
    calls.push_back("SetSuperscript(" + std::to_string(Index) + ", " + std::to_string(Length) +
                    (flag ? ", True)" : ", False)"));
    Document::SetSuperscript(Index, Length, flag);
  }
  std::vector<std::string> calls;
};

struct Outcome {
  std::string json;
  // Each character's script state, paragraph marks too, which no rendering shows: "b" for
  // subscript, "p" for superscript, "." for neither.
  std::string states;
  std::string text;
  int32_t cursor = 0;
  int32_t selectionStart = 0;
  int32_t selectionLength = 0;
  std::optional<int32_t> number;
  std::string description;

  friend bool operator==(const Outcome&, const Outcome&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << o.json << " | " << o.states << " | " << o.text << " | cursor " << o.cursor
               << " selection " << o.selectionStart << "+" << o.selectionLength << " | error "
               << (o.number ? std::to_string(*o.number) : "none") << " " << o.description;
  }
};

// Paragraph marks with styles of their own on both sides of the selection and inside it, and
// characters already in both script states.
template <class D>
std::shared_ptr<D> MakeDocument() {
  auto document = std::make_shared<D>(u"ab\r", u"H2SO4\rFe3+ x", u"\rzz");
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(
      u"=-3\n=3\nSelect\n=Heading\nApplyStyle\n=0\n=12\nSelect\n=Body\nApplyStyle\n"
      u"=0\n=12\nSelect\n=1\n=1\nSubscript\n=8\n=2\nSuperscript\n=11\n=4\nChemical Italic\n");
  return document;
}

// Runs the script on document through executer, the units as units when typed.
Outcome RunScript(const std::shared_ptr<Document>& document, DispatchRef executer,
                  std::u16string_view script, bool ignoreError) {
  CommandRunner runner;
  runner.SetExecuter(std::move(executer));
  runner.SetIgnoreError(ignoreError);
  Outcome outcome;
  try {
    runner.Run(script);
  } catch (const AutomationError& error) {
    outcome.number = error.Number();
    outcome.description = Utf16ToUtf8(error.Description());
  }
  outcome.json = Utf16ToUtf8(RenderJson(*document));
  for (int32_t i = 0; i < document->Size(); ++i) {
    const CharFormat format = document->FormatAt(i);
    outcome.states += format.subscript ? 'b' : format.superscript ? 'p' : '.';
  }
  outcome.text = Utf16ToUtf8(document->Text());
  outcome.cursor = document->Cursor();
  outcome.selectionStart = document->SelectionStart();
  outcome.selectionLength = document->SelectionLength();
  return outcome;
}

struct Case {
  const char* name;
  std::u16string script;
};

const Case kCases[] = {
    {"Formula", u"=1\n=1\nSubscript\n=3\n=1\nSubscript\n=9\n=2\nSuperscript\n"},
    {"OverEarlierStates", u"=0\n=12\nSuperscript\n=1\n=9\nSubscript\n=0\n=5\nNormalScript\n"},
    {"MarksInsideTheRange", u"=-3\n=20\nSubscript\n=4\n=4\nSuperscript\n"},
    {"ClampedAtTheStart", u"=-10\n=9\nSuperscript\n=-100\n=2\nSubscript\n"},
    {"ClampedAtTheEnd", u"=13\n=1000\nSubscript\n=100\n=5\nSuperscript\n"},
    {"WholeDocument", u"=-2147483648\n=2147483647\nSubscript\n"},
    {"EmptyAndNegativeLengths", u"=2\n=0\nSubscript\n=4\n=-3\nSuperscript\n=0\n=0\nNormalScript\n"},
    {"OffsetBeyondALong", u"=1e10\n=1\nSubscript\n=2\n=1\nSuperscript\n"},
    {"LengthNotANumber", u"=1\n=x\nSubscript\n=3\n=1\nSubscript\n"},
    {"RegistersCarryOverAFailedPop", u"=2\n=3\nSubscript\nSuperscript\nPop\nNormalScript\n"},
    {"FractionsRoundToEven", u"=2.5\n=1.5\nSuperscript\n"},
    {"AfterTyping", u"=3\nGoTo\n=xy\nTypeText\nTypeParagraph\n=2\n=4\nSuperscript\n"},
};

class ScriptStateTest : public ::testing::TestWithParam<std::tuple<Case, bool>> {};

TEST_P(ScriptStateTest, LeavesTheDocumentAsTheThreeCallsDo) {
  const auto& [c, ignoreError] = GetParam();
  const auto direct = MakeDocument<Document>();
  const Outcome inOnePass = RunScript(direct, direct, c.script, ignoreError);
  const auto named = MakeDocument<Document>();
  const Outcome byName =
      RunScript(named, std::make_shared<ByNameOnly>(named), c.script, ignoreError);
  EXPECT_EQ(inOnePass, byName);
  const auto listening = MakeDocument<ListeningDocument>();
  EXPECT_EQ(RunScript(listening, listening, c.script, ignoreError), byName);
  EXPECT_FALSE(listening->calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptStateTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "_IgnoreError" : "");
                         });

TEST(ScriptStateTest, TheDocumentSetsTheStateItself) {
  Document document(u"ab\rcd");
  EXPECT_TRUE(document.SetScriptState(0, 5, ScriptState::Superscript));
  EXPECT_TRUE(document.SetScriptState(1, 3, ScriptState::Subscript));
  EXPECT_TRUE(document.SetScriptState(3, 1, ScriptState::Normal));
  EXPECT_EQ(HtmlOf(document), "<p><sup>a</sup><sub>b</sub></p>\n<p>c<sup>d</sup></p>\n");
  EXPECT_EQ(document.GetSuperscript(0, 5), Document::kMixed);
  EXPECT_EQ(document.GetSubscript(1, 2), Document::kWholeRangeSet);
}

TEST(ScriptStateTest, ADerivedDocumentHearsEachCall) {
  const auto document = std::make_shared<ListeningDocument>(u"H2O");
  EXPECT_FALSE(document->SetScriptState(0, 3, ScriptState::Subscript));
  EXPECT_EQ(HtmlOf(*document), "<p>H2O</p>\n");  // it asked for the calls and did nothing
  RunOn(document, u"=1\n=1\nSubscript\n=0\n=1\nNormalScript\n");
  EXPECT_EQ(document->calls,
            (std::vector<std::string>{"SetSubscript(1, 1, False)", "SetSuperscript(1, 1, False)",
                                      "SetSubscript(1, 1, True)", "SetSubscript(0, 1, False)",
                                      "SetSuperscript(0, 1, False)"}));
  EXPECT_EQ(HtmlOf(*document), "<p>H<sub>2</sub>O</p>\n");
}

// Units handed over as integers take the same one pass.
TEST(ScriptStateTest, UnitsOfIntegersEndAsTheirLines) {
  for (const bool ignoreError : {false, true}) {
    const auto units = MakeDocument<Document>();
    CommandRunner runner;
    runner.SetExecuter(units);
    runner.SetIgnoreError(ignoreError);
    runner.BeginUnits();
    runner.RunUnit(1, 1, u"Subscript");
    runner.RunUnit(-4, 9, u"Superscript");
    runner.RunUnit(2, 100, u"NormalScript");
    if (ignoreError) {
      runner.RunUnit(2147483648, 1, u"Subscript");
    } else {
      EXPECT_THROW(runner.RunUnit(2147483648, 1, u"Subscript"), AutomationError);
    }
    const auto lines = MakeDocument<Document>();
    RunOn(lines,
          u"=1\n=1\nSubscript\n=-4\n=9\nSuperscript\n=2\n=100\nNormalScript\n"
          u"=2147483648\n=1\nSubscript\n",
          true);
    EXPECT_EQ(RenderJson(*units), RenderJson(*lines)) << ignoreError;
  }
}

}  // namespace
}  // namespace glyphwright
