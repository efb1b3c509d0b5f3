// Each thread has its own shared scanners: a command word written in one thread never shows in
// another.
#include <gtest/gtest.h>

#include <barrier>
#include <string>
#include <thread>

#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_test_support.h"
#include "chem/prefix_list.h"
#include "chem/shared_queries.h"

namespace glyphwright {
namespace {

using testing::Lines;
using testing::U8;

TEST(Threads, CommandWordsStayInTheirThread) {
  std::barrier bothFirstCallsMade(2);
  std::barrier bothInstancesSeen(2);
  const void* prefixOfA = nullptr;
  const void* prefixOfB = nullptr;
  const void* elementOfA = nullptr;
  const void* elementOfB = nullptr;

  std::thread a([&] {
    ChemFormulaQuery formula;
    formula.SetItalicCommand(u"Bold");
    ChemNameQuery name;
    name.SetItalicCommand(u"Bold");
    name.SetSmallCommand(u"Chemical Small");
    EXPECT_EQ(U8(formula.GetCommands(u"t-Bu")), Lines({"=0", "=1", "Bold"}));
    EXPECT_EQ(U8(name.GetCommands(u"N-D")),
              Lines({"=0", "=1", "Bold", "=2", "=1", "Chemical Small"}));
    prefixOfA = SharedPrefixQuery().get();
    elementOfA = SharedElementQuery().get();
    bothFirstCallsMade.arrive_and_wait();
    // Thread b has made its own first calls with other words meanwhile.
    EXPECT_EQ(U8(formula.GetCommands(u"t-Bu")), Lines({"=0", "=1", "Bold"}));
    EXPECT_EQ(U8(name.GetCommands(u"N-D")),
              Lines({"=0", "=1", "Bold", "=2", "=1", "Chemical Small"}));
    bothInstancesSeen.arrive_and_wait();
  });
  std::thread b([&] {
    ChemFormulaQuery formula;
    formula.SetItalicCommand(u"Chemical Italic");
    ChemNameQuery name;
    name.SetItalicCommand(u"Chemical Italic");
    EXPECT_EQ(U8(formula.GetCommands(u"t-Bu")), Lines({"=0", "=1", "Chemical Italic"}));
    EXPECT_EQ(U8(name.GetCommands(u"N-D")),
              Lines({"=0", "=1", "Chemical Italic", "=2", "=1", "Small"}));
    prefixOfB = SharedPrefixQuery().get();
    elementOfB = SharedElementQuery().get();
    bothFirstCallsMade.arrive_and_wait();
    EXPECT_EQ(U8(formula.GetCommands(u"t-Bu")), Lines({"=0", "=1", "Chemical Italic"}));
    bothInstancesSeen.arrive_and_wait();
  });
  a.join();
  b.join();
  EXPECT_NE(prefixOfA, prefixOfB);
  EXPECT_NE(elementOfA, elementOfB);
}

TEST(Threads, ManyThreadsFormatAtOnce) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t] {
      ChemFormulaQuery formula;
      formula.SetItalicCommand(t % 2 == 0 ? u"Italic" : u"Bold");
      const std::string word = t % 2 == 0 ? "Italic" : "Bold";
      for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(U8(formula.GetCommands(u"p-CH3C6H4C#N")),
                  Lines({"=0", "=1", word, "=4", "=1", "Subscript", "=6", "=1", "Subscript", "=8",
                         "=1", "Subscript", "=10", "=8801", "ReplaceChar"}));
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
}

}  // namespace
}  // namespace glyphwright
