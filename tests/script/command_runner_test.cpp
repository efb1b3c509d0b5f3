#include <gtest/gtest.h>

#include "script/command_runner.h"
#include "support/recording_executer.h"

namespace glyphwright {
namespace {

using testing::RecordingExecuter;

struct Recorded {
  std::shared_ptr<RecordingExecuter> host = std::make_shared<RecordingExecuter>();
  CommandRunner runner;
  Recorded() { runner.SetExecuter(host); }
  std::vector<std::string> operator()(std::u16string_view script) {
    host->calls.clear();
    runner.Run(script);
    return host->calls;
  }
};

struct WordCase {
  std::u16string script;
  std::vector<std::string> calls;
};

// Every word of the vocabulary, with the host calls it makes in order.
TEST(CommandRunnerTest, EveryWordCallsTheHostInOrder) {
  const WordCase cases[] = {
      {u"=3\n=2\nSubscript\n",
       {"QueryValue(3)", "QueryValue(2)", "SetSubscript(3, 2, False)",
        "SetSuperscript(3, 2, False)", "SetSubscript(3, 2, True)"}},
      {u"=3\n=2\nSuperscript\n",
       {"QueryValue(3)", "QueryValue(2)", "SetSubscript(3, 2, False)",
        "SetSuperscript(3, 2, False)", "SetSuperscript(3, 2, True)"}},
      {u"=0\n=4\nNormalScript\n",
       {"QueryValue(0)", "QueryValue(4)", "SetSubscript(0, 4, False)",
        "SetSuperscript(0, 4, False)"}},
      {u"=21\n=1\nSmall\n", {"QueryValue(21)", "QueryValue(1)", "SetSmall(21, 1)"}},
      {u"=0\n=1\nItalic\n", {"QueryValue(0)", "QueryValue(1)", "SetStyle(0, 1, Italic)"}},
      {u"=18\n=4\nBold\n", {"QueryValue(18)", "QueryValue(4)", "SetStyle(18, 4, Bold)"}},
      {u"=0\n=1\nChemical Italic\n",
       {"QueryValue(0)", "QueryValue(1)", "SetStyle(0, 1, Chemical Italic)"}},
      {u"=0\n=1\nChemical Small\n",
       {"QueryValue(0)", "QueryValue(1)", "SetStyle(0, 1, Chemical Small)"}},
      {u"=NMR Spec Table\nApplyStyle\n",
       {"QueryValue(NMR Spec Table)", "ApplyStyle(NMR Spec Table)"}},
      {u"=2\n=8801\nReplaceChar\n", {"QueryValue(2)", "QueryValue(8801)", "ReplaceChar(2, 8801)"}},
      {u"TypeBackspace\nTypeParagraph\nPaste\n",
       {"TypeBackspace()", "TypeParagraph()", "PasteText()"}},
      {u"=a=b\nTypeText\n", {"QueryValue(a=b)", "TypeText(a=b, )"}},
      {u"=J\n=Italic\nTypeStyledText\n",
       {"QueryValue(J)", "QueryValue(Italic)", "TypeText(J, Italic)"}},
      {u"=EndOfSelection\nGoTo\n", {"QueryValue(EndOfSelection)", "MoveCursor(EndOfSelection)"}},
      {u"=4\n=2\nCopy\nPaste\n",
       {"QueryValue(4)", "QueryValue(2)", "CopyText(4, 2)", "PasteText()"}},
      {u"=17\n=44\nCut\n", {"QueryValue(17)", "QueryValue(44)", "CutText(17, 44)"}},
      {u"=1\n=2\nDelete\n", {"QueryValue(1)", "QueryValue(2)", "DeleteText(1, 2)"}},
      {u"=18\n=30\nSelect\n", {"QueryValue(18)", "QueryValue(30)", "SelectRange(18, 30)"}},
      {u"=1\n=2\nPop\nPop\n", {"QueryValue(1)", "QueryValue(2)"}},
  };
  for (const WordCase& c : cases) {
    Recorded run;
    EXPECT_EQ(run(c.script), c.calls) << Utf16ToUtf8(c.script);
  }
}

// A script handed over runs as a script passed by view does, word for word.
TEST(CommandRunnerTest, AnOwnedScriptRunsAsAViewedOne) {
  const std::u16string script =
      u"=3\n=2\nSubscript\n=x\nTypeText\n=a\n=b\nTypeStyledText\n=1\n=2\nPlus\nGoTo\n";
  Recorded viewed;
  const auto expected = viewed(script);
  Recorded owned;
  owned.runner.RunOwned(script);
  EXPECT_EQ(owned.host->calls, expected);
  EXPECT_EQ(expected.size(), 14u);
  owned.host->calls.clear();
  // A new run: the stack starts empty, so there is nothing to type.
  EXPECT_THROW(owned.runner.RunOwned(u"TypeText\n"), AutomationError);
  EXPECT_TRUE(owned.host->calls.empty());
}

TEST(CommandRunnerTest, ValueLinesPushTheRestVerbatim) {
  const WordCase cases[] = {
      {u"=\nTypeText\n", {"QueryValue()", "TypeText(, )"}},
      {u"==x\nTypeText\n", {"QueryValue(=x)", "TypeText(=x, )"}},
      {u"= 5\nTypeText\n", {"QueryValue( 5)", "TypeText( 5, )"}},
      {u"=x\r\nTypeText\n", {"QueryValue(x\r)", "TypeText(x\r, )"}},
  };
  for (const WordCase& c : cases) EXPECT_EQ(Recorded()(c.script), c.calls);
}

TEST(CommandRunnerTest, UnknownLinesDoNothing) {
  for (const char16_t* script : {u"", u"\n\n\n", u"subscript\n", u"=1\n=1\nSubscript \n",
                                 u"Subscript\r\n", u"Hello world\n"}) {
    Recorded run;
    const auto calls = run(script);
    for (const std::string& call : calls) EXPECT_EQ(call.rfind("QueryValue", 0), 0u) << call;
  }
  Recorded run;
  EXPECT_TRUE(run(u"").empty());
  EXPECT_TRUE(run(u"\n\n").empty());
}

TEST(CommandRunnerTest, ArithmeticPushesItsResultThroughQueryValue) {
  const WordCase cases[] = {
      {u"=1\n=2\nMinus\nTypeText\n",
       {"QueryValue(1)", "QueryValue(2)", "QueryValue(-1)", "TypeText(-1, )"}},
      {u"=1\n=2\nPlus\nTypeText\n",
       {"QueryValue(1)", "QueryValue(2)", "QueryValue(3)", "TypeText(3, )"}},
      {u"=3\nInv\nTypeText\n", {"QueryValue(3)", "QueryValue(-3)", "TypeText(-3, )"}},
      {u"=0\nInv\nTypeText\n", {"QueryValue(0)", "QueryValue(0)", "TypeText(0, )"}},
      {u"=0.1\n=0.2\nPlus\nTypeText\n",
       {"QueryValue(0.1)", "QueryValue(0.2)", "QueryValue(0.3)", "TypeText(0.3, )"}},
  };
  for (const WordCase& c : cases) EXPECT_EQ(Recorded()(c.script), c.calls);
}

TEST(CommandRunnerTest, CursorPositionIsAskedAfterEarlierLines) {
  Recorded run;
  run.host->hook = [&](std::u16string_view name, Arguments args) {
    if (name == u"TypeText") run.host->cursorPosition = Variant(double(args[0]->ToText().size()));
  };
  EXPECT_EQ(run(u"=abcd\nTypeText\n=$CursorPosition\n=1\nMinus\nTypeText\n"),
            testing::Lines({"QueryValue(abcd)", "TypeText(abcd, )", "QueryValue($CursorPosition)",
                            "QueryValue(1)", "QueryValue(3)", "TypeText(3, )"}));
}

TEST(CommandRunnerTest, ValuesStayOnTheStackAcrossWords) {
  // Two numbers pushed early are consumed by Select after Cut used its own.
  Recorded run;
  EXPECT_EQ(run(u"=18\n=30\n=17\n=44\nCut\nSelect\n"),
            testing::Lines({"QueryValue(18)", "QueryValue(30)", "QueryValue(17)", "QueryValue(44)",
                            "CutText(17, 44)", "SelectRange(18, 30)"}));
}

TEST(CommandRunnerTest, ByReferenceWritesReachTheFollowingCallsOfTheWord) {
  Recorded run;
  run.host->hook = [](std::u16string_view name, Arguments args) {
    if (name == u"SetSubscript") *args[0] = Variant(7.0);
  };
  EXPECT_EQ(run(u"=3\n=2\nSuperscript\n"),
            testing::Lines({"QueryValue(3)", "QueryValue(2)", "SetSubscript(3, 2, False)",
                            "SetSuperscript(7, 2, False)", "SetSuperscript(7, 2, True)"}));
}

TEST(CommandRunnerTest, QueryValueAnswersAreStoredAsText) {
  Recorded run;
  run.host->cursorPosition = Variant(92.0);
  EXPECT_EQ(run(u"=$CursorPosition\nTypeText\n"),
            testing::Lines({"QueryValue($CursorPosition)", "TypeText(92, )"}));
}

TEST(CommandRunnerTest, TheSurfaceWorksByName) {
  const auto host = std::make_shared<RecordingExecuter>();
  const auto runner = std::make_shared<CommandRunner>();
  Variant executer{DispatchRef(host)}, ignore{u"True"}, script{u"=1\n=2\nCopy\n"};
  Variant* putExecuter[] = {&executer};
  Variant* putIgnore[] = {&ignore};
  Variant* run[] = {&script};
  CallByName(*runner, u"executer", InvokeKind::PropertyPutRef, putExecuter);
  CallByName(*runner, u"IGNOREERROR", InvokeKind::PropertyPut, putIgnore);
  CallByName(*runner, u"Run", InvokeKind::Method, run);
  EXPECT_EQ(host->calls, testing::Lines({"QueryValue(1)", "QueryValue(2)", "CopyText(1, 2)"}));
  EXPECT_TRUE(CallByName(*runner, u"IgnoreError", InvokeKind::PropertyGet, {}).ToBoolean());
  EXPECT_EQ(CallByName(*runner, u"Executer", InvokeKind::PropertyGet, {}).ToObject(), host);
  EXPECT_EQ(runner->GetIDsOfNames(u"Run"), 0x60030004);
}

TEST(CommandRunnerTest, ReleasesItsExecuterWhenDestroyed) {
  auto host = std::make_shared<RecordingExecuter>();
  const std::weak_ptr<RecordingExecuter> watch = host;
  {
    CommandRunner runner;
    runner.SetExecuter(std::move(host));
    EXPECT_FALSE(watch.expired());
  }
  EXPECT_TRUE(watch.expired());
}

}  // namespace
}  // namespace glyphwright
