// The built program itself: arguments, standard input, output, messages and exit status.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "chem/chem_r_digit_query.h"
#include "chem/ion_formula_query.h"
#include "cli/cli_errors.h"
#include "cli/text_io.h"
#include "script/builders.h"
#include "text/utf8.h"

extern char** environ;

namespace glyphwright {
namespace {

struct Usage {
  std::vector<std::string> args;
  std::string expected;  // a message, or the start of the output
};

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::string TempPrefix() {
  return "glyphwright_program_test_" + std::to_string(getpid()) + "_";
}

std::string TempPath(const std::string& name) {
  return testing::TempDir() + TempPrefix() + name;
}

// The files this process wrote are removed when its tests end.
class TempFiles : public testing::Environment {
 public:
  void TearDown() override {
    for (const auto& entry : std::filesystem::directory_iterator(testing::TempDir())) {
      if (entry.path().filename().string().rfind(TempPrefix(), 0) == 0) {
        std::filesystem::remove(entry.path());
      }
    }
  }
};
const testing::Environment* const kTempFiles = testing::AddGlobalTestEnvironment(new TempFiles);

std::string WriteTemp(const std::string& name, const std::string& bytes) {
  const std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// Runs the program with exactly these arguments (no shell) and this standard input.
Outcome Glyphwright(const std::vector<std::string>& args, const std::string& input = {}) {
  const std::string in = WriteTemp("in", input), out = TempPath("out"), err = TempPath("err");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<char*> argv = {const_cast<char*>(GLYPHWRIGHT_PROGRAM)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid_t pid;
  const int spawned =
      posix_spawn(&pid, GLYPHWRIGHT_PROGRAM, &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    ADD_FAILURE() << "cannot start " << GLYPHWRIGHT_PROGRAM;
    return {-1, "", ""};
  }
  int wait = 0;
  waitpid(pid, &wait, 0);
  EXPECT_TRUE(WIFEXITED(wait)) << "the program did not exit normally";
  return {WIFEXITED(wait) ? WEXITSTATUS(wait) : -1, Slurp(out), Slurp(err)};
}

constexpr std::u16string_view kTab = u"\t";

// The script that rebuilds the sample peak list as a table.
std::string PeakListToTableScript() {
  ScriptWriter w;
  const auto typeCell = [&](std::u16string_view text) {
    w.Command1(u"TypeText", text).Command1(u"TypeText", kTab);
  };
  w.Command1(u"GoTo", 61).Command(u"TypeParagraph").Command1(u"TypeText", u"!");
  w.Command1(u"GoTo", u"PrevChar");
  typeCell(u"7.26"), typeCell(u"1H"), typeCell(u"d"), typeCell(u"8.0");
  w.Command2(u"Copy", 42, 3).Command(u"Paste").Command(u"TypeParagraph");
  typeCell(u"1.25"), typeCell(u"3H"), typeCell(u"s");
  w.Command1(u"TypeText", kTab).Command(u"TypeParagraph");
  w.Command1(u"GoTo", u"NextChar").Command(u"TypeBackspace");
  w.Value(18).Value(u"$CursorPosition").Value(1).Command(u"Minus").Value(61).Command(u"Minus");
  w.Command2(u"Cut", 17, 44).Command(u"Select").Command1(u"ApplyStyle", u"NMR Spec Table");
  return Utf16ToUtf8(w.Script());
}

const std::string kPeakListHtml =
    "1H NMR (CDCl3) \u03B4 7.26 (1H, d, J = 8.0 Hz, <i>H-3</i>), 1.25 (3H, s).";

TEST(ProgramTest, RunsTheListToTableScript) {
  const std::string script = WriteTemp("list.script", PeakListToTableScript());
  const Outcome text =
      Glyphwright({"run", "--from", "html", "--to", "text", script, kPeakListHtml});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.err, "");
  EXPECT_EQ(text.out, "1H NMR (CDCl3) \u03B4 \n7.26\t1H\td\t8.0\tH-3\n1.25\t3H\ts\t\t\n");

  const Outcome html = Glyphwright({"run", script, "--from=html", kPeakListHtml});
  EXPECT_EQ(html.status, 0);
  EXPECT_EQ(html.out,
            "<p>1H NMR (CDCl3) \u03B4 </p>\n"
            "<table class=\"nmr-spec-table\">\n"
            "<tr><td>7.26</td><td>1H</td><td>d</td><td>8.0</td><td><i>H-3</i></td></tr>\n"
            "<tr><td>1.25</td><td>3H</td><td>s</td><td></td><td></td></tr>\n"
            "</table>\n");
}

TEST(ProgramTest, ScriptFromStandardInputTextFromTheArgument) {
  const Outcome outcome = Glyphwright({"run", "--to", "unicode", "-", "SO42-"},
                                      "=2\n=1\nSubscript\n=3\n=2\nSuperscript\n");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "SO\u2084\u00B2\u207B\n");
}

TEST(ProgramTest, ConfigurationLettersShowAsSmallCapitalsAndKeepTheirText) {
  const std::tuple<std::vector<std::string>, std::string> cases[] = {
      {{"format", "name", "D-glucose"},
       "<p><span style=\"font-variant:small-caps\"><small>D</small></span>-glucose</p>\n"},
      {{"format", "name", "--to", "unicode", "D-glucose"}, "\u1D05-glucose\n"},
      {{"format", "name", "--to", "unicode", "DL-alanine"}, "\u1D05\u029F-alanine\n"},
      {{"format", "name", "--to", "text", "D-glucose"}, "D-glucose\n"},
      {{"format", "name", "--set", "SmallCommand=Chemical Small", "--to", "unicode", "L-alanine"},
       "\u029F-alanine\n"},
  };
  for (const auto& [args, expected] : cases) {
    const Outcome outcome = Glyphwright(args);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, expected) << args.back();
  }
}

// The bulk pass formats every item of running text and leaves codes and labels alone.
TEST(ProgramTest, FormatsEverythingChemicalInRunningText) {
  const Outcome outcome =
      Glyphwright({"format", "text", "--to", "html",
                   "Under N2, SO42- and (R)-2-methylbutanoic acid in CDCl3; A549 cells, Table 2."});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.out,
            "<p>Under N<sub>2</sub>, SO<sub>4</sub><sup>2-</sup> and (<i>R</i>)-2-methylbutanoic "
            "acid in CDCl<sub>3</sub>; A549 cells, Table 2.</p>\n");
}

// Read from HTML, the document tells the pass what is formatted already: a superscript set by
// hand stays superscript, and the rest is formatted as usual.
TEST(ProgramTest, TheBulkPassKeepsFormattingDoneByHand) {
  const Outcome outcome =
      Glyphwright({"format", "text", "--from", "html", "--to", "html", "NH<sub>4</sub>+ and H2O"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "<p>NH<sub>4</sub><sup>+</sup> and H<sub>2</sub>O</p>\n");
}

TEST(ProgramTest, TextFromStandardInputIsTakenVerbatim) {
  const std::string empty = WriteTemp("empty.script", "");
  const Outcome outcome = Glyphwright({"run", "--to", "json", empty}, "  H2O\r\n");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(
      outcome.out,
      R"({"paragraphs":[{"style":"","runs":[{"text":"  H2O"}]},{"style":"","runs":[{"text":"\n"}]}]})"
      "\n");
}

// Many lines of ions (a script of many output pieces, with non-ASCII text where pieces meet) come
// out as the query's own script, byte for byte: for a query without a FontListener, which the
// command runs on the text alone, and for one with, which asks the reference document.
TEST(ProgramTest, ScriptOfALongInputIsTheQuerysScript) {
  std::u16string text;
  for (int line = 0; text.size() < 200000; ++line) {
    text += line % 7 == 0 ? u"[Fe(CN)6]3- \u2192 Fe\u00B3+ \U0001F600\n" : u"SO42- H2O R1 R2'\n";
  }
  const std::string input = Utf16ToUtf8(text);
  const Outcome ion = Glyphwright({"script", "ion"}, input);
  EXPECT_EQ(ion.status, 0) << ion.err;
  EXPECT_TRUE(ion.out == Utf16ToUtf8(IonFormulaQuery().GetCommands(text)));
  const Outcome digits = Glyphwright({"script", "digits"}, input);
  EXPECT_EQ(digits.status, 0) << digits.err;
  ChemRDigitQuery digitsQuery;
  digitsQuery.SetFontListener(std::make_shared<Document>(text));
  EXPECT_TRUE(digits.out == Utf16ToUtf8(digitsQuery.GetCommands(text)));
  EXPECT_GT(digits.out.size(), 1000u);
}

// The output is converted a piece at a time; a surrogate pair where two pieces meet stays one
// character.
TEST(ProgramTest, WritesUtf8PieceByPieceKeepingSurrogatePairs) {
  for (const std::size_t before : {std::size_t{32766}, std::size_t{32767}, std::size_t{32768}}) {
    const std::u16string text =
        std::u16string(before, u'a') + u"\U0001F600\u03B4" + std::u16string(70000, u'b');
    std::ostringstream out;
    cli::WriteUtf8(out, text);
    EXPECT_TRUE(out.str() == Utf16ToUtf8(text)) << before;
  }
}

TEST(ProgramTest, SampleScriptIsTheOneTheTestsCheck) {
  EXPECT_EQ(Slurp(GLYPHWRIGHT_SAMPLES "/scripts/nmr-list-to-table.script"),
            PeakListToTableScript());
}

TEST(ProgramTest, InvalidUtf8IsBadInputWithItsOffset) {
  const std::string script = WriteTemp("ok.script", "=0\n=1\nItalic\n");
  const std::string badScript = WriteTemp("bad.script", "=0\n\xFF");
  const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
      {{"run", script}, "ab\xC3", "glyphwright: standard input is not valid UTF-8 (byte 2)\n"},
      {{"run", script, "x\xED\xA0\x80"},
       "",
       "glyphwright: the TEXT argument is not valid UTF-8 (byte 1)\n"},
      {{"run", badScript, "x"},
       "",
       "glyphwright: '" + badScript + "' is not valid UTF-8 (byte 3)\n"},
  };
  for (const auto& [args, input, message] : cases) {
    const Outcome outcome = Glyphwright(args, input);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, message);
    EXPECT_EQ(outcome.out, "");
  }
}

// The command reads at most kMaxInputBytes an input and stops there: a longer one is bad input,
// refused without holding more than the limit. A small limit shows the reader at work.
TEST(ProgramTest, InputsLongerThanTheLimitAreBadInput) {
  static_assert(cli::kMaxInputBytes == 128 * 1024 * 1024);
  std::istringstream input("H2SO4 H2O");
  try {
    cli::ReadAll(input, "standard input", 8);
    ADD_FAILURE() << "no error";
  } catch (const cli::InputError& error) {
    EXPECT_EQ(std::string(error.what()), "standard input is longer than 8 bytes");
  }
  std::istringstream exact("H2SO4 H2");
  EXPECT_EQ(cli::ReadAll(exact, "standard input", 8), "H2SO4 H2");
  const std::string script = WriteTemp("long.script", "=0\n=1\nBold\n");
  try {
    cli::ReadFile(script, 10);
    ADD_FAILURE() << "no error";
  } catch (const cli::InputError& error) {
    EXPECT_EQ(std::string(error.what()), "'" + script + "' is longer than 10 bytes");
  }
}

// NUL is a character like any other; a surrogate, which UTF-8 cannot carry, is bad input.
TEST(ProgramTest, NulIsACharacterAndAnEncodedSurrogateIsBadInput) {
  const Outcome nul = Glyphwright({"format", "formula", "--to", "text"}, std::string("H2\0O", 4));
  EXPECT_EQ(nul.status, 0);
  EXPECT_EQ(nul.out, std::string("H2\0O\n", 5));
  const Outcome surrogate = Glyphwright({"format", "ion"}, "SO\xED\xB0\x80");
  EXPECT_EQ(surrogate.status, 2);
  EXPECT_EQ(surrogate.err, "glyphwright: standard input is not valid UTF-8 (byte 2)\n");
}

TEST(ProgramTest, BadUsageExitsWithTwo) {
  const std::string script = WriteTemp("usage.script", "");
  const Usage cases[] = {
      {{}, "glyphwright: no command given\nTry 'glyphwright --help'.\n"},
      {{"frobnicate"}, "glyphwright: no such command 'frobnicate'\nTry 'glyphwright --help'.\n"},
      {{"--frobnicate"}, "glyphwright: unknown option '--frobnicate'\nTry 'glyphwright --help'.\n"},
      {{"help", "frobnicate"},
       "glyphwright: no such command 'frobnicate'\nTry 'glyphwright --help'.\n"},
      {{"run", "--bogus", script, "x"},
       "glyphwright: unknown option '--bogus' for 'run'\nTry 'glyphwright run --help'.\n"},
      {{"run"}, "glyphwright: run needs a SCRIPT\nTry 'glyphwright run --help'.\n"},
      {{"run", script, "x", "y"},
       "glyphwright: too many arguments\nTry 'glyphwright run --help'.\n"},
      {{"run", "-"},
       "glyphwright: SCRIPT and TEXT cannot both come from standard input\n"
       "Try 'glyphwright run --help'.\n"},
      {{"run", "--to", "pdf", script, "x"},
       "glyphwright: option '--to' takes one of html, text, unicode, json, not 'pdf'\n"
       "Try 'glyphwright run --help'.\n"},
      {{"format", "--from", "rtf", "q", "x"},
       "glyphwright: option '--from' takes one of text, html, not 'rtf'\n"
       "Try 'glyphwright format --help'.\n"},
      {{"script"}, "glyphwright: script needs a QUERY\nTry 'glyphwright script --help'.\n"},
      {{"queries", "x"}, "glyphwright: too many arguments\nTry 'glyphwright queries --help'.\n"},
      {{"--version", "x"}, "glyphwright: too many arguments\nTry 'glyphwright --help'.\n"},
      {{"--help", "x"}, "glyphwright: too many arguments\nTry 'glyphwright --help'.\n"},
      {{"help", "run", "x"}, "glyphwright: too many arguments\nTry 'glyphwright --help'.\n"},
  };
  for (const auto& [args, message] : cases) {
    const Outcome outcome = Glyphwright(args);
    EXPECT_EQ(outcome.status, 2) << message;
    EXPECT_EQ(outcome.err, message);
    EXPECT_EQ(outcome.out, "");
  }
}

TEST(ProgramTest, UnknownQueryIsBadUsage) {
  const Outcome outcome = Glyphwright({"format", "no-such-query", "x"});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.err.rfind("glyphwright: no such query 'no-such-query'; ", 0), 0u)
      << outcome.err;
}

TEST(ProgramTest, BadFilesAndHtmlAreBadInput) {
  const std::string script = WriteTemp("html.script", "");
  const Usage cases[] = {
      {{"run", "/nonexistent/x.script", "x"},
       "glyphwright: cannot read '/nonexistent/x.script': No such file or directory\n"},
      {{"run", "/", "x"}, "glyphwright: cannot read '/': Is a directory\n"},
      {{"run", "--from", "html", script, "H<sub>2"},
       "glyphwright: cannot read the HTML input: Unclosed tag <sub> at offset 1.\n"},
      {{"run", "--from", "html", script, "<p>x</p>"},
       "glyphwright: cannot read the HTML input: Unsupported tag <p> at offset 0.\n"},
  };
  for (const auto& [args, message] : cases) {
    const Outcome outcome = Glyphwright(args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.err, message);
  }
}

TEST(ProgramTest, HostErrorsExitWithOneAndAFullStop) {
  const std::tuple<std::string, std::string> cases[] = {
      {"=Nowhere\nGoTo\n", "glyphwright: error 5: Invalid procedure call or argument.\n"},
      {"=x\n=1\nSubscript\n", "glyphwright: error 13: Type mismatch.\n"},
      {"Pop\n", "glyphwright: error 9: Subscript out of range.\n"},
      {"=1\n=70000\nReplaceChar\n", "glyphwright: error 5: Invalid procedure call or argument.\n"},
  };
  for (const auto& [script, message] : cases) {
    const Outcome outcome = Glyphwright({"run", WriteTemp("error.script", script), "abc"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, message);
    EXPECT_EQ(outcome.out, "");
  }
}

TEST(ProgramTest, IgnoreErrorRunsOn) {
  const std::string script = WriteTemp("ignore.script", "=Nowhere\nGoTo\n=0\n=1\nBold\n");
  const Outcome outcome = Glyphwright({"run", "--ignore-error", script, "abc"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "<p><b>a</b>bc</p>\n");
}

// A list the list-to-table query cannot read: the reason and its place, status 3, no output.
TEST(ProgramTest, AListThatCannotBeReadIsNotConverted) {
  const std::string list = "1H NMR \u03B4 7.26 (1H, s); 1.25 (3H, s).";
  const std::string reason =
      "glyphwright: not converted: Missing comma. (at offset 21: \u00AB\u20267.26 (1H, s); 1.25 "
      "(3H, \u2026\u00BB)\n";
  for (const char* command : {"format", "script"}) {
    const Outcome outcome = Glyphwright({command, "nmr-table", list});
    EXPECT_EQ(outcome.status, 3) << command;
    EXPECT_EQ(outcome.out, "") << command;
    EXPECT_EQ(outcome.err, reason) << command;
  }
  // The query's own settings decide: Strict asks for a count in every peak.
  const Outcome strict =
      Glyphwright({"format", "nmr-table", "--set", "Strict=True", "--to", "text", "\u03B4 7.26."});
  EXPECT_EQ(strict.status, 3);
  EXPECT_EQ(strict.err,
            "glyphwright: not converted: Missing number and atom. (at offset 2: \u00AB\u03B4 "
            "7.26.\u00BB)\n");
  const Outcome lenient = Glyphwright({"format", "nmr-table", "--to", "text", "\u03B4 7.26."});
  EXPECT_EQ(lenient.status, 0);
  EXPECT_EQ(lenient.out, "\u03B4 \n7.26\t\t\t\t\n");
  // Words where a list should be are a list that fails; nothing behind the delta is no list.
  const Outcome words = Glyphwright({"script", "nmr-table", "no list"});
  EXPECT_EQ(words.status, 3);
  EXPECT_EQ(words.err,
            "glyphwright: not converted: Missing comma. (at offset 0: \u00ABno list\u00BB)\n");
  const Outcome nothing = Glyphwright({"format", "nmr-table", "--to", "text", "NMR \u03B4  "});
  EXPECT_EQ(nothing.status, 0);
  EXPECT_EQ(nothing.out, "NMR \u03B4  \n");
}

TEST(ProgramTest, HelpAndVersion) {
  const Usage cases[] = {
      {{"--help"}, "Usage: glyphwright COMMAND"},
      {{"-h"}, "Usage: glyphwright COMMAND"},
      {{"help"}, "Usage: glyphwright COMMAND"},
      {{"help", "help"}, "Usage: glyphwright COMMAND"},
      {{"help", "--help"}, "Usage: glyphwright COMMAND"},
      {{"help", "run"}, "Usage: glyphwright run"},
      {{"run", "--help"}, "Usage: glyphwright run"},
      {{"script", "--help"}, "Usage: glyphwright script"},
      {{"format", "x", "-h"}, "Usage: glyphwright format"},
      {{"queries", "--help"}, "Usage: glyphwright queries"},
  };
  for (const auto& [args, start] : cases) {
    const Outcome outcome = Glyphwright(args);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out.rfind(start, 0), 0u) << outcome.out;
    EXPECT_EQ(outcome.err, "");
  }
  const Outcome version = Glyphwright({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "glyphwright 1.4.0\n");
}

// A caller scripting the command reads its statuses from the help (and the manual page made from
// it): every status the program can end with is named there.
TEST(ProgramTest, GeneralHelpNamesEveryExitStatus) {
  const std::string help = Glyphwright({"--help"}).out;
  const std::size_t note = help.find("Exit status: ");
  ASSERT_NE(note, std::string::npos) << help;
  const std::string statuses = help.substr(note);
  const std::string meanings[] = {"0 success", "1 automation error", "2 bad usage or bad input",
                                  "3 (nmr-table only)", "4 (check only)"};
  for (const std::string& meaning : meanings) {
    EXPECT_NE(statuses.find(meaning), std::string::npos) << meaning << " in\n" << statuses;
  }
}

}  // namespace
}  // namespace glyphwright
