// Every query on eight threads at once, each thread with its own command words and its own
// prefix file: the shared scanners and the prefix list are per thread, so nothing one thread
// sets or reads shows in another, and nothing is shared without a lock.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <barrier>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_r_digit_query.h"
#include "chem/ion_formula_query.h"
#include "chem/prefix_list.h"
#include "document/document.h"
#include "document/renderers.h"
#include "journal/journal_query.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "script/builders.h"
#include "script/command_runner.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

constexpr int kThreads = 8;
constexpr int kRounds = 25;

// One folder per thread, with that thread's prefixes.txt in the user's place.
class ThreadFolders : public FolderLookup {
 public:
  explicit ThreadFolders(std::string_view keywords) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "glyphwright-threads-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    root_ = pattern;
    std::filesystem::create_directories(root_ / "Mirandel" / "Glyphwright");
    std::ofstream(root_ / "Mirandel" / "Glyphwright" / "prefixes.txt") << keywords << "\n";
  }
  ~ThreadFolders() override {
    std::error_code error;
    std::filesystem::remove_all(root_, error);
  }
  std::filesystem::path UserDataFolder() const override { return root_; }
  std::filesystem::path CommonDataFolder() const override { return root_ / "none"; }
  std::filesystem::path ComponentFolder() const override { return root_ / "none"; }

 private:
  std::filesystem::path root_;
};

// Thread t's own prefix: "prea" for thread 0, "preb" for thread 1 ...
std::u16string Prefix(int t) {
  return u"pre" + std::u16string(1, static_cast<char16_t>(u'a' + t));
}

// Every thread's prefix in front of "-Me ", then a name and a formula, none
// of them an element symbol: "prea-Me preb-Me ... N-D Me2".
std::u16string SharedText() {
  std::u16string text;
  for (int t = 0; t < kThreads; ++t) text += Prefix(t) + u"-Me ";
  return text + u"N-D Me2";
}

void Run(const std::shared_ptr<Document>& document, std::u16string_view script) {
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(script);
}

std::string U8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

struct Words {
  std::u16string italic;
  std::u16string small;
};

// What thread t must see, computed from its own words and prefix only.
void ExerciseEveryQuery(int t, const Words& words) {
  const std::u16string text = SharedText();
  const int32_t own = 8 * t;          // the thread's prefix in SharedText
  const int32_t name = 8 * kThreads;  // "N-D"
  const int32_t formula = name + 4;   // "Me2"

  ChemFormulaQuery formulaQuery;
  formulaQuery.SetItalicCommand(words.italic);
  ChemNameQuery nameQuery;
  nameQuery.SetItalicCommand(words.italic);
  nameQuery.SetSmallCommand(words.small);
  IonFormulaQuery ionQuery;
  JournalQuery journalQuery;
  NMRSpecFormRQuery listToTable;
  NMRSpecFormQuery tableToList;
  if (t % 2 == 1) {
    listToTable.SetTableFormat(u"J, d, 1H");
    tableToList.SetTableFormat(u"J, d, 1H");
  }

  ScriptWriter expectedFormula;
  expectedFormula.Command2(words.italic, own, 4);
  expectedFormula.Command2(u"Subscript", formula + 2, 1);
  ScriptWriter expectedName;
  expectedName.Command2(words.italic, own, 4);
  expectedName.Command2(words.italic, name, 1);
  expectedName.Command2(words.small, name + 2, 1);
  const std::string formulaScript = U8(std::move(expectedFormula).Script());
  const std::string nameScript = U8(std::move(expectedName).Script());

  const std::u16string_view peakList = u"\u03B4 7.26 (1H, d, J = 8.0 Hz, H-3), 1.25 (3H, s).";
  for (int round = 0; round < kRounds; ++round) {
    ASSERT_EQ(U8(formulaQuery.GetCommands(text)), formulaScript) << "thread " << t;
    ASSERT_EQ(U8(nameQuery.GetCommands(text)), nameScript) << "thread " << t;
    ASSERT_EQ(U8(ionQuery.GetCommands(u"[Fe(CN)6]3-")),
              "=7\n=1\nSubscript\n=9\n=1\nSubscript\n=9\n=2\nSuperscript\n");
    ASSERT_EQ(U8(journalQuery.GetCommands(u"J. Am. Chem. Soc. 1999, 121, 1234")),
              "=0\n=17\nItalic\n=18\n=4\nBold\n=24\n=3\nItalic\n");

    // Digit cycling against the thread's own document: plain, subscript, superscript, plain.
    const auto digits = std::make_shared<Document>(u"C6H12O6");
    for (const char* word : {"Subscript", "Superscript", "NormalScript"}) {
      ChemRDigitQuery cycle;
      cycle.SetFontListener(digits);
      const std::u16string script = cycle.GetCommands(digits->BeginQuery());
      ASSERT_NE(U8(script).find(word), std::string::npos) << "thread " << t;
      Run(digits, script);
    }
    ASSERT_EQ(U8(RenderUnicode(*digits)), "C6H12O6");

    // A peak list to a table and back.
    const auto nmr = std::make_shared<Document>(peakList);
    Run(nmr, listToTable.GetCommands(nmr->BeginQuery()));
    ASSERT_EQ(U8(RenderText(*nmr)), t % 2 == 1
                                        ? "\u03B4 \n7.26\t8.0\td\t1H\tH-3\n1.25\t\ts\t3H\t\n"
                                        : "\u03B4 \n7.26\t1H\td\t8.0\tH-3\n1.25\t3H\ts\t\t\n");
    Run(nmr, tableToList.GetCommands(nmr->BeginQuery()));
    ASSERT_EQ(U8(nmr->Text()), U8(std::u16string(peakList) + u" "));
  }
}

TEST(Threads, EveryQueryOnEightThreadsWithTheirOwnWordsAndPrefixFiles) {
  const Words kWords[] = {{u"Italic", u"Small"},
                          {u"Bold", u"Chemical Small"},
                          {u"Chemical Italic", u"Bold"},
                          {u"Small", u"Italic"}};
  std::barrier start(kThreads);
  std::vector<const void*> prefixQueries(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      SetThreadFolderLookup(std::make_shared<ThreadFolders>(U8(Prefix(t)) + "\ncis"));
      start.arrive_and_wait();  // every thread loads its list and formats at the same time
      ExerciseEveryQuery(t, kWords[t % 4]);
      prefixQueries[t] = SharedPrefixQuery().get();
      SetThreadFolderLookup(nullptr);
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 1; t < kThreads; ++t) EXPECT_NE(prefixQueries[t], prefixQueries[0]);
}

}  // namespace
}  // namespace glyphwright
