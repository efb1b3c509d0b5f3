// Bad input wherever a user can reach the library: texts too long for Long offsets, lone
// surrogates and NUL characters, runaway scripts, a document that would outgrow its limit, and
// prefix files that are folders, pipes, unreadable, binary or huge. Each gets a clear error or a
// correct result; none crashes, hangs or takes memory without bound.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <functional>
#include <memory>
#include <string>

#include "automation/automation_error.h"
#include "characterisation/characterisation_check.h"
#include "characterisation/characterisation_query.h"
#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/chem_test_support.h"
#include "chem/ion_formula_query.h"
#include "chem/keyword_file.h"
#include "chem/prefix_list.h"
#include "document/document.h"
#include "document/html_reader.h"
#include "document/renderers.h"
#include "journal/journal_query.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "script/command_runner.h"
#include "script/text_length.h"
#include "support/recording_executer.h"

namespace glyphwright {
namespace {

using namespace std::string_literals;

using testing::TempFolder;
using testing::U8;

// The script of these lines, each ended by LF.
std::string Lines(std::initializer_list<std::string_view> lines) {
  return testing::Lines(lines);
}

// A text of `units` code units that costs no memory: untouched pages of an anonymous mapping.
// A query that checks the length first never reads it.
class HugeText {
 public:
  explicit HugeText(std::size_t units) : bytes_(units * sizeof(char16_t)) {
    data_ = mmap(nullptr, bytes_, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  }
  ~HugeText() {
    if (data_ != MAP_FAILED) munmap(data_, bytes_);
  }
  bool Mapped() const { return data_ != MAP_FAILED; }
  std::u16string_view View() const {
    return {static_cast<const char16_t*>(data_), bytes_ / sizeof(char16_t)};
  }

 private:
  std::size_t bytes_;
  void* data_;
};

std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const AutomationError& error) {
    return std::to_string(error.Number()) + " " + error.what();
  }
  return "no error";
}

constexpr const char* kTooLong =
    "1 The text is too long: a query takes at most 2147483646 characters.";

TEST(TextLength, EveryQueryRefusesATextLongerThanALongCanAddress) {
  const HugeText huge(kMaxTextLength + 1);
  if (!huge.Mapped()) GTEST_SKIP() << "no room for a 4 GiB mapping";
  const std::u16string_view text = huge.View();

  EXPECT_EQ(ErrorOf([&] { ChemFormulaQuery().GetCommands(text); }), kTooLong);
  EXPECT_EQ(ErrorOf([&] { IonFormulaQuery().GetCommands(text); }), kTooLong);
  EXPECT_EQ(ErrorOf([&] { ChemRDigitQuery().GetCommands(text); }), kTooLong);
  EXPECT_EQ(ErrorOf([&] { ChemNameQuery().GetCommands(text); }), kTooLong);
  EXPECT_EQ(ErrorOf([&] { JournalQuery().GetCommands(text); }), kTooLong);
  EXPECT_EQ(ErrorOf([&] { NMRSpecFormQuery().GetCommands(text); }), kTooLong);
  EXPECT_EQ(ErrorOf([&] { CharacterisationQuery().GetCommands(text); }), kTooLong);
  EXPECT_EQ(ErrorOf([&] { CheckCharacterisation(text); }), kTooLong);
  // This query answers every failure with the empty script, and so this one too.
  EXPECT_EQ(NMRSpecFormRQuery().GetCommands(text), u"");
  // One code unit less is still taken: only the length decides.
  EXPECT_EQ(ErrorOf([&] { CheckTextLength(text.substr(1)); }), "no error");
}

// Lone surrogates, NUL and noncharacters are characters like any other: they take their place
// in the offsets and are never part of a formula, a name or a number.
TEST(OddCharacters, AreCharactersLikeAnyOther) {
  const std::u16string nul = u"H2\0O4"s;
  EXPECT_EQ(U8(ChemFormulaQuery().GetCommands(nul)),
            Lines({"=1", "=1", "Subscript", "=4", "=1", "Subscript"}));
  EXPECT_EQ(U8(IonFormulaQuery().GetCommands(u"\xD800SO42-\xDC00")),
            Lines({"=3", "=2", "Subscript", "=4", "=2", "Superscript"}));
  EXPECT_EQ(U8(ChemNameQuery().GetCommands(u"N\xDBFF-D\xFFFF")),
            Lines({"=0", "=1", "Italic", "=3", "=1", "Small"}));
  EXPECT_EQ(U8(JournalQuery().GetCommands(u"\xDC00J. Org. Chem. 2001, 66, 100")),
            Lines({"=1", "=13", "Italic", "=15", "=4", "Bold", "=21", "=2", "Italic"}));
  // A NUL inside a peak is something other than a comma after it.
  EXPECT_EQ(NMRSpecFormRQuery().GetCommands(u"\u03B4 7.26\0 (1H, s)."s), u"");
  // In a table's last column a lone surrogate is copied; a NUL at its end is trimmed like the
  // other control characters.
  const std::u16string table = u"7.26\t1H\ts\t\t\xD800\0"s;
  EXPECT_NE(U8(NMRSpecFormQuery().GetCommands(table)).find("=11\n=1\nCopy\nPaste\n"),
            std::string::npos);
}

TEST(OddCharacters, SurviveTheDocumentAndEveryRendering) {
  const std::u16string text = u"H2\0O\xD800\xDFFF\xDC00"s;
  const auto document = std::make_shared<Document>(text);
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(IonFormulaQuery().GetCommands(text));
  EXPECT_EQ(document->Text(), text);
  // A lone surrogate has no UTF-8 form and is written as U+FFFD; the pair stays one character.
  EXPECT_EQ(U8(RenderText(*document)), "H2\0O\xF0\x90\x8F\xBF\xEF\xBF\xBD"s);
  EXPECT_NE(U8(RenderHtml(*document)).find("<sub>2</sub>"), std::string::npos);
  EXPECT_FALSE(RenderJson(*document).empty());
  EXPECT_FALSE(RenderUnicode(*document).empty());
}

TEST(Scripts, AMillionLinesRunToTheEnd) {
  // Mostly lines that are no words, which cost nothing but reading them.
  std::u16string script;
  for (int i = 0; i < 50000; ++i) {
    script += u"=1\n=1\nBold\n\nbold\n\n\n\n\nBold \n\n\n\n\n\n\n\n\nPop \n\n";
  }
  const auto document = std::make_shared<Document>(u"H2O");
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(script);
  EXPECT_TRUE(document->FormatAt(1).bold);
  EXPECT_FALSE(document->FormatAt(0).bold);
}

TEST(Scripts, AHundredThousandValuesOverflowTheStackWithError9) {
  std::u16string script;
  for (int i = 0; i < 100000; ++i) script += u"=1\n";
  const auto document = std::make_shared<Document>(u"H2O");
  CommandRunner runner;
  runner.SetExecuter(document);
  // The stack holds 101 values; the 102nd push fails.
  EXPECT_EQ(ErrorOf([&] { runner.Run(script + u"=0\n=1\nBold\n"); }), "9 Subscript out of range");
  EXPECT_FALSE(document->FormatAt(0).bold);
  // Told to ignore errors, the run goes through; the values past the 101st are lost (every lost
  // one is an error raised and caught, which is what a run that ignores errors costs).
  runner.SetIgnoreError(true);
  runner.Run(script.substr(0, 3 * 10000) + u"Pop\nPop\n=0\n=2\nBold\n");
  EXPECT_TRUE(document->FormatAt(1).bold);
  EXPECT_FALSE(document->FormatAt(2).bold);
}

TEST(Scripts, HugeNumbersAreErrorsNotWrappedOffsets) {
  const auto document = std::make_shared<Document>(u"H2O");
  CommandRunner runner;
  runner.SetExecuter(document);
  EXPECT_EQ(ErrorOf([&] { runner.Run(u"=4294967297\n=1\nBold\n"); }), "6 Overflow");
  EXPECT_EQ(ErrorOf([&] { runner.Run(u"=1e308\n=1e308\nPlus\n"); }), "6 Overflow");
  EXPECT_EQ(ErrorOf([&] { runner.Run(u"=nan\n=1\nBold\n"); }), "13 Type mismatch");
  EXPECT_FALSE(document->FormatAt(0).bold);
}

TEST(DocumentLimit, AnEditThatWouldOutgrowItIsRefusedAndChangesNothing) {
  const auto document = std::make_shared<Document>(u"abcdefghij");
  document->SetMaxLength(25);
  CommandRunner runner;
  runner.SetExecuter(document);
  EXPECT_EQ(ErrorOf([&] { runner.Run(u"=0\n=10\nCopy\n=10\nGoTo\nPaste\nPaste\n"); }),
            "1 The document is full: it holds at most 25 characters.");
  EXPECT_EQ(document->Size(), 20);
  EXPECT_EQ(ErrorOf([&] { runner.Run(u"=123456\nTypeText\n"); }),
            "1 The document is full: it holds at most 25 characters.");
  EXPECT_EQ(ErrorOf([&] { runner.Run(u"=12345\nTypeText\n"); }), "no error");
  EXPECT_EQ(ErrorOf([&] { runner.Run(u"TypeParagraph\n"); }),
            "1 The document is full: it holds at most 25 characters.");
  EXPECT_EQ(document->Size(), 25);
}

TEST(DocumentLimit, PastingTheDocumentIntoItselfStopsAtTheLimit) {
  // Each line pair doubles the document: forty of them would ask for a trillion characters.
  std::u16string script = u"=0\n=2147483647\nCopy\n";
  for (int i = 0; i < 40; ++i) script += u"Paste\n";
  const auto document = std::make_shared<Document>(u"H2O");
  document->SetMaxLength(1000);
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.SetIgnoreError(true);
  runner.Run(script);
  EXPECT_LE(document->Size(), 1000);
  EXPECT_EQ(Document::kDefaultMaxLength, 1 << 27);
}

TEST(DocumentLimit, TheHtmlReaderAndDeepNestingStayWithinBounds) {
  std::u16string html;
  for (int i = 0; i < 100000; ++i) html += u"<b>";
  html += u"x";
  for (int i = 0; i < 100000; ++i) html += u"</b>";
  const Document document = DocumentFromHtml(html);
  EXPECT_EQ(document.Text(), u"x");
  EXPECT_TRUE(document.FormatAt(0).bold);
}

// The prefix file: every kind of bad file either is no file (the next place, then the built-in
// list) or is an error naming the file; none is read without bound or waited on.
class PrefixFiles : public ::testing::Test {
 protected:
  class Folders : public FolderLookup {
   public:
    explicit Folders(std::filesystem::path root) : root_(std::move(root)) {}
    std::filesystem::path UserDataFolder() const override { return root_; }
    std::filesystem::path CommonDataFolder() const override { return root_ / "none"; }
    std::filesystem::path ComponentFolder() const override { return root_ / "none"; }

   private:
    std::filesystem::path root_;
  };

  std::filesystem::path FilePath() const {
    return folder_.Path() / "Mirandel" / "Glyphwright" / "prefixes.txt";
  }
  std::string Load() const {
    try {
      return U8(LoadKeywordList(u"prefixes.txt", u"default", Folders(folder_.Path())));
    } catch (const AutomationError& error) {
      return "error " + std::to_string(error.Number()) + ": " + error.what();
    }
  }
  TempFolder folder_;
};

TEST_F(PrefixFiles, AFolderOrAPipeIsNoFile) {
  std::filesystem::create_directories(FilePath());
  EXPECT_EQ(Load(), "default");
  std::filesystem::remove(FilePath());
  ASSERT_EQ(mkfifo(FilePath().c_str(), 0600), 0);  // opening it would wait for a writer
  EXPECT_EQ(Load(), "default");
}

TEST_F(PrefixFiles, AFileThatCannotBeReadIsAnErrorNamingIt) {
  std::filesystem::create_directories(FilePath().parent_path());
  // A file the kernel lets anyone open, superuser included, but not read at its start.
  std::filesystem::create_symlink("/proc/self/mem", FilePath());
  EXPECT_EQ(Load(), "error 57: Device I/O error: \"" + FilePath().string() + "\"");
}

TEST_F(PrefixFiles, BinaryBytesReadAsCharactersAndNeverMatchAWord) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  folder_.Write("Mirandel/Glyphwright/prefixes.txt", "cis\r\n" + bytes);
  const std::string list = Load();
  EXPECT_TRUE(list.starts_with("cis|")) << list;
  // The NUL-to-LF bytes end the second line; the rest is one more line.
  EXPECT_EQ(list.find('\n'), std::string::npos);
}

TEST_F(PrefixFiles, AFiftyMegabyteFileIsRefusedAfterItsFirstMegabyte) {
  folder_.Write("Mirandel/Glyphwright/prefixes.txt", std::string(50 << 20, 'a'));
  EXPECT_EQ(Load(), "error 1: File \"" + FilePath().string() + "\" is larger than " +
                        std::to_string(kMaxKeywordFileBytes) + " bytes.");
}

}  // namespace
}  // namespace glyphwright
