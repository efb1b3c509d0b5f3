// The runner calls the reference document through its C++ interface; every script must leave the
// document, and raise the error, exactly as the same calls by name do.
#include <gtest/gtest.h>

#include <optional>

#include "automation/automation_error.h"
#include "document_test_support.h"
#include "support/recording_executer.h"

namespace glyphwright {
namespace {

// A document that counts the calls that reach it by name.
class CountingDocument : public Document {
 public:
  using Document::Document;
  Variant Invoke(DispId id, InvokeKind kind, Arguments args) override {
    ++callsByName;
    return Document::Invoke(id, kind, args);
  }
  int callsByName = 0;
};

struct Case {
  const char* name;
  std::u16string script;
  std::u16string second;  // run after the first on the same runner: registers carry over
  int32_t maxLength = Document::kDefaultMaxLength;
};

struct Outcome {
  std::string json;
  std::string text;
  std::string clipboard;
  int32_t cursor = 0;
  int32_t selectionStart = 0;
  int32_t selectionLength = 0;
  std::optional<int32_t> number;
  std::string description;
  std::string source;

  friend bool operator==(const Outcome&, const Outcome&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Outcome& o) {
    return out << o.json << " | " << o.text << " | clipboard " << o.clipboard << " | cursor "
               << o.cursor << " selection " << o.selectionStart << "+" << o.selectionLength
               << " | error " << (o.number ? std::to_string(*o.number) : "none") << " "
               << o.description << " (" << o.source << ")";
  }
};

std::shared_ptr<CountingDocument> MakeDocument(int32_t maxLength) {
  auto document = std::make_shared<CountingDocument>(u"ab\r", u"H2SO4 + Fe3+ D-x", u"\rzz");
  document->SetMaxLength(maxLength);
  return document;
}

Outcome RunBothScripts(const Case& c, const std::shared_ptr<CountingDocument>& document,
                       DispatchRef executer, bool ignoreError) {
  CommandRunner runner;
  runner.SetExecuter(std::move(executer));
  runner.SetIgnoreError(ignoreError);
  Outcome outcome;
  try {
    runner.Run(c.script);
    runner.Run(c.second);
  } catch (const AutomationError& error) {
    outcome.number = error.Number();
    outcome.description = Utf16ToUtf8(error.Description());
    outcome.source = Utf16ToUtf8(error.Source());
  }
  outcome.json = Utf16ToUtf8(RenderJson(*document));
  outcome.text = Utf16ToUtf8(document->Text());
  outcome.clipboard = Utf16ToUtf8(document->ClipboardText());
  outcome.cursor = document->Cursor();
  outcome.selectionStart = document->SelectionStart();
  outcome.selectionLength = document->SelectionLength();
  return outcome;
}

class TypedCallsTest : public ::testing::TestWithParam<std::tuple<Case, bool>> {};

TEST_P(TypedCallsTest, LeaveTheDocumentAndTheErrorAsCallsByName) {
  const auto& [c, ignoreError] = GetParam();
  const auto typed = MakeDocument(c.maxLength);
  const Outcome direct = RunBothScripts(c, typed, typed, ignoreError);
  const auto named = MakeDocument(c.maxLength);
  const Outcome byName = RunBothScripts(c, named, std::make_shared<ByNameOnly>(named), ignoreError);
  EXPECT_EQ(direct, byName);
  EXPECT_EQ(typed->callsByName, 0);  // the direct run really went around the names
}

const Case kCases[] = {
    {"Formula", u"=1\n=1\nSubscript\n=3\n=1\nSubscript\n=9\n=2\nSuperscript\n", u""},
    {"EveryStyleWord",
     u"=0\n=1\nItalic\n=1\n=1\nBold\n=2\n=2\nChemical Italic\n=13\n=1\nChemical Small\n"
     u"=13\n=1\nSmall\n=0\n=5\nNormalScript\n",
     u""},
    {"NumberWordGetsText", u"=abc\n=2\nSubscript\n=1\n=1\nItalic\n", u""},
    {"SecondOperandNotANumber", u"=1\n=x2\nBold\n", u""},
    {"OffsetBeyondALong", u"=1e10\n=1\nItalic\n", u""},
    {"FractionsRoundToEven", u"=2.5\n=1.5\nSubscript\n", u""},
    {"CursorPositionAfterTyping",
     u"=4\nGoTo\n=xyz\nTypeText\n=$CursorPosition\nTypeText\n=$cursorposition\nTypeText\n", u""},
    {"StyledText", u"=Hi\n=Bold\nTypeStyledText\n=Yo\n=Italic\nTypeStyledText\n", u""},
    {"StyledTextNamedStyle", u"=x\n=Chemical Italic\nTypeStyledText\n", u""},
    {"ReplaceChar", u"=0\n=8801\nReplaceChar\n=1\n=-155\nReplaceChar\n=2\n=13\nReplaceChar\n", u""},
    {"ReplaceCharBadCode", u"=0\n=abc\nReplaceChar\n=1\n=65\nReplaceChar\n", u""},
    {"ReplaceCharCodeOutOfRange", u"=0\n=70000\nReplaceChar\n=1\n=66\nReplaceChar\n", u""},
    {"ReplaceCharIndexNotANumber", u"=x\n=65\nReplaceChar\n=1\n=66\nReplaceChar\n", u""},
    {"Cursor",
     u"=3\nGoTo\nTypeBackspace\nTypeParagraph\n=PrevChar\nGoTo\n=q\nTypeText\n"
     u"=NextChar\nGoTo\n=EndOfSelection\nGoTo\n=r\nTypeText\n",
     u""},
    {"GoToNowhere", u"=zz\nGoTo\n=w\nTypeText\n", u""},
    {"ClipboardWords",
     u"=0\n=2\nCopy\n=4\nGoTo\nPaste\n=1\n=1\nCut\nPaste\n=0\n=1\nDelete\n=1\n=2\nSelect\n"
     u"=NMR Spec Table\nApplyStyle\n",
     u""},
    {"ApplyCharacterStyle", u"=2\n=3\nSelect\n=Chemical Italic\nApplyStyle\n", u""},
    {"ArithmeticThroughQueryValue", u"=1\n=2\nPlus\n=4\nMinus\nInv\nTypeText\n", u""},
    {"ArithmeticOverflow", u"=1e308\n=1e308\nPlus\nTypeText\n", u""},
    {"PopFromEmpty", u"Pop\n=1\n=1\nSubscript\n", u""},
    {"StringsFromEmptyStackKeepNumbers", u"=5\n=6\nCopy\nTypeStyledText\n", u""},
    {"StackFull",
     u"=0\n=1\n=2\n=3\n=4\n=5\n=6\n=7\n=8\n=9\n=0\n=1\n=2\n=3\n=4\n=5\n=6\n=7\n=8\n=9\n"
     u"=0\n=1\n=2\n=3\n=4\n=5\n=6\n=7\n=8\n=9\n=0\n=1\n=2\n=3\n=4\n=5\n=6\n=7\n=8\n=9\n"
     u"=0\n=1\n=2\n=3\n=4\n=5\n=6\n=7\n=8\n=9\n=0\n=1\n=2\n=3\n=4\n=5\n=6\n=7\n=8\n=9\n"
     u"=0\n=1\n=2\n=3\n=4\n=5\n=6\n=7\n=8\n=9\n=0\n=1\n=2\n=3\n=4\n=5\n=6\n=7\n=8\n=9\n"
     u"=0\n=1\n=2\n=3\n=4\n=5\n=6\n=7\n=8\n=9\n=0\n=1\n=2\n=3\n=4\n=5\n=6\n=7\n=8\n=9\n"
     u"=a\n=b\nTypeText\nTypeText\n",
     u""},
    {"DocumentFull", u"=xyz\nTypeText\n=q\nTypeText\n=0\n=3\nCopy\nPaste\n", u"", 26},
    {"NoWordsAndEmptyValues", u"subscript\nItalic \n\n=\nTypeText\n=\n=\nTypeStyledText\n", u""},
    {"RegistersCarryToTheNextRun", u"=2\n=3\nCopy\n", u"=x\n=1\nSubscript\n"},
    {"StackEmptiedByTheNextRun", u"=left\n", u"TypeText\n=1\n=1\nBold\n"},
};

INSTANTIATE_TEST_SUITE_P(Scripts, TypedCallsTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "_IgnoreError" : "");
                         });

// A document that hands the runner over to another document while one of its calls runs.
class HandingOverDocument : public Document {
 public:
  HandingOverDocument(CommandRunner& runner, DispatchRef next)
      : Document(u"ab"), runner_(runner), next_(std::move(next)) {}
  void TypeParagraph() override {
    runner_.SetExecuter(next_);
    Document::TypeParagraph();  // still alive: the runner keeps it until this call returns
  }

 private:
  CommandRunner& runner_;
  DispatchRef next_;
};

TEST(TypedCallsReplacedExecuterTest, AReplacedDocumentLivesUntilItsCallReturns) {
  CommandRunner runner;
  const auto next = std::make_shared<Document>(u"cd");
  auto first = std::make_shared<HandingOverDocument>(runner, next);
  const std::weak_ptr<HandingOverDocument> watch = first;
  runner.SetExecuter(std::move(first));
  runner.Run(u"=1\nGoTo\nTypeParagraph\n=x\nTypeText\n");
  EXPECT_TRUE(watch.expired());  // released once its call was done
  EXPECT_EQ(runner.Executer(), next);
  EXPECT_EQ(next->Text(), u"xcd");
}

TEST(TypedCallsReplacedExecuterTest, ByNameHostHandsOverToTheDocument) {
  CommandRunner runner;
  const auto document = std::make_shared<CountingDocument>(u"H2O");
  const auto host = std::make_shared<testing::RecordingExecuter>();
  host->hook = [&](std::u16string_view name, Arguments) {
    if (name == u"TypeParagraph") runner.SetExecuter(document);
  };
  runner.SetExecuter(host);
  runner.Run(u"=0\n=1\nBold\nTypeParagraph\n=1\n=1\nSubscript\n");
  EXPECT_EQ(host->calls, testing::Lines({"QueryValue(0)", "QueryValue(1)", "SetStyle(0, 1, Bold)",
                                         "TypeParagraph()"}));
  EXPECT_EQ(HtmlOf(*document), "<p>H<sub>2</sub>O</p>\n");
  EXPECT_EQ(document->callsByName, 0);
}

TEST(TypedCallsReplacedExecuterTest, DocumentHandsOverToAByNameHost) {
  CommandRunner runner;
  const auto host = std::make_shared<testing::RecordingExecuter>();
  auto first = std::make_shared<HandingOverDocument>(runner, host);
  runner.SetExecuter(std::move(first));
  runner.Run(u"TypeParagraph\n=2\n=1\nSmall\n");
  EXPECT_EQ(host->calls, testing::Lines({"QueryValue(2)", "QueryValue(1)", "SetSmall(2, 1)"}));
}

TEST(TypedCallsReplacedExecuterTest, NothingAfterTheDocumentRaises91) {
  CommandRunner runner;
  auto first = std::make_shared<HandingOverDocument>(runner, nullptr);
  runner.SetExecuter(std::move(first));
  try {
    runner.Run(u"TypeParagraph\n=x\n");
    FAIL() << "no error";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 91);
  }
}

}  // namespace
}  // namespace glyphwright
