// Scripts handed on a block at a time: the blocks end at unit ends, and together they are exactly
// the script GetCommands answers, for every query that can stream and any block size.
#include "chem/script_sink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "automation/automation_error.h"
#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "chem/chem_subscript_query.h"
#include "chem/chem_test_support.h"
#include "chem/ion_formula_query.h"
#include "chem/scan_units.h"
#include "script/builders.h"
#include "text/prepared_text.h"

namespace glyphwright {
namespace {

using testing::Prepared;
using testing::ScopedEnvironment;
using testing::TempFolder;
using testing::U8;

// What a sink handed on, block by block.
struct Blocks {
  std::vector<std::string> blocks;
  ScriptSink::Output Output() {
    return [this](std::string_view block) { blocks.emplace_back(block); };
  }
  std::string Joined() const {
    std::string script;
    for (const std::string& block : blocks) script += block;
    return script;
  }
};

template <class Query>
std::string Streamed(Query& query, std::u16string text, std::size_t block) {
  Blocks out;
  ScriptSink sink(out.Output(), block);
  query.StreamCommands(std::move(text), sink);
  sink.Flush();
  return out.Joined();
}

// Lines of formulas, ions and names, with full-width forms that the scan folds, characters beyond
// the first plane and the prefixes the queries set in italics.
std::u16string ManyLines(std::size_t atLeast) {
  constexpr std::u16string_view kLines[] = {
      u"[Fe(CN)6]3- HC#CH*H2O SO42- Fe2+\n",
      u"(2S,3R)-N-tert-butyl-D-threonine o-xylene\n",
      u"\U0001D6FC-D-glucose \u03B4 7.26 H\uFF12O \uFF33\uFF2F\uFF14\n",
      u"t-BuOH Ca(OH)2 NH4+ \U0001F600CO32-\r",
  };
  std::u16string text;
  for (std::size_t line = 0; text.size() < atLeast; ++line) text += kLines[line % 4];
  return text;
}

TEST(ScriptSink, BlocksEndAtUnitEndsAndHoldABlockOrMore) {
  ChemSubscriptQuery subscript;
  const CodeArray chars = Prepared("H2O CH4 C12H22O11 Na2SO4 Fe2O3 H2O2 C6H12O6");
  const std::string whole = Utf16ToUtf8(subscript.GetCommands(chars));
  for (const std::size_t block : {std::size_t{1}, std::size_t{10}, std::size_t{25}}) {
    Blocks out;
    ScriptSink sink(out.Output(), block);
    StreamUnits(chars, sink, subscript);
    const std::size_t beforeFlush = out.blocks.size();
    sink.Flush();
    EXPECT_EQ(out.Joined(), whole) << block;
    for (std::size_t k = 0; k < out.blocks.size(); ++k) {
      // Every unit is three lines: a block that ends elsewhere has split one.
      EXPECT_EQ(out.blocks[k].back(), u'\n');
      EXPECT_EQ(out.blocks[k].rfind("Subscript\n"), out.blocks[k].size() - 10) << k;
      if (k < beforeFlush) {
        EXPECT_GE(out.blocks[k].size(), block) << k;
      }
    }
  }
  Blocks one;
  ScriptSink sink(one.Output(), 1);
  StreamUnits(chars, sink, subscript);
  std::size_t units = 0;
  for (std::size_t at = 0; (at = whole.find("Subscript\n", at)) != std::string::npos; ++at) {
    ++units;
  }
  EXPECT_GT(units, 10u);
  EXPECT_EQ(one.blocks.size(), units);  // one unit a block
}

TEST(ScriptSink, AnEmptyScriptHandsOnNothing) {
  Blocks out;
  ScriptSink sink(out.Output());
  ChemSubscriptQuery subscript;
  StreamUnits(Prepared("no counts here"), sink, subscript);
  sink.Flush();
  sink.Flush();
  EXPECT_TRUE(out.blocks.empty());
}

TEST(ScriptSink, FlushHandsOnWhatIsLeftOnce) {
  Blocks out;
  ScriptSink sink(out.Output(), 1000);
  sink.Command2(u"Bold", 3, 4);
  EXPECT_TRUE(out.blocks.empty());
  sink.Flush();
  sink.Flush();
  ASSERT_EQ(out.blocks.size(), 1u);
  EXPECT_EQ(out.blocks[0], "=3\n=4\nBold\n");
}

// The sink writes its own bytes: they are those of ScriptWriter's lines in UTF-8, for numbers of
// every size and sign and for words that change from one unit to the next, even in place.
TEST(ScriptSink, WritesTheLinesOfScriptWriterInUtf8) {
  const int64_t numbers[] = {0,         1,        9, 10, 99, 100, 8801, -155, -1, 1234567890123,
                             INT64_MAX, INT64_MIN};
  std::u16string word = u"Subscript";
  Blocks out;
  ScriptSink sink(out.Output(), 50);
  ScriptWriter expected;
  for (const int64_t first : numbers) {
    for (const int64_t second : numbers) {
      sink.Command2(word, first, second);
      expected.Command2(word, first, second);
    }
    // The same string, changed: the next unit must write the new word.
    word = word == u"Subscript" ? u"\u00C9 \U0001F600 \xD800" : u"Subscript";
  }
  sink.Flush();
  EXPECT_EQ(out.Joined(), U8(expected.Script()));
  EXPECT_NE(out.Joined().find("\xC3\x89 \xF0\x9F\x98\x80 \xEF\xBF\xBD\n"), std::string::npos);
}

TEST(ScanOwnedChars, IsTheCodeArrayOfACopy) {
  const std::u16string text = u"H\uFF12O \u2019x\U0001F600 \u00B3";
  CodeArray copied;
  PrepareChars(text, copied);
  EXPECT_EQ(ScanOwnedChars(text), copied);
  EXPECT_EQ(ScanOwnedChars(u""), u" ");
}

// The streamed script of each query, for short and long texts and block sizes small and large,
// with its properties changed too.
TEST(StreamCommands, IsExactlyTheScriptOfGetCommands) {
  const std::u16string texts[] = {u"", u"H2O", u"o-Me", ManyLines(3000), ManyLines(200000)};
  for (const std::size_t block : {std::size_t{1}, std::size_t{100}, ScriptSink::kBlock}) {
    for (const std::u16string& text : texts) {
      ChemFormulaQuery formula;
      EXPECT_TRUE(Streamed(formula, text, block) == U8(formula.GetCommands(text))) << block;
      IonFormulaQuery ion;
      EXPECT_TRUE(Streamed(ion, text, block) == U8(ion.GetCommands(text))) << block;
      ChemNameQuery name;
      EXPECT_TRUE(Streamed(name, text, block) == U8(name.GetCommands(text))) << block;
    }
  }
  const std::u16string text = ManyLines(50000);
  ChemFormulaQuery formula;
  formula.SetItalicCommand(u"Chemical \U0001D456talic");
  ChemFormulaQuery formulaAgain;
  formulaAgain.SetItalicCommand(u"Chemical \U0001D456talic");
  const std::string streamed = Streamed(formula, text, 7);
  EXPECT_NE(streamed.find("\xF0\x9D\x91\x96talic"), std::string::npos);
  EXPECT_TRUE(streamed == U8(formulaAgain.GetCommands(text)));
  ChemNameQuery name;
  name.SetSmallCommand(u"Petite");
  ChemNameQuery nameAgain;
  nameAgain.SetSmallCommand(u"Petite");
  EXPECT_TRUE(Streamed(name, text, 64) == U8(nameAgain.GetCommands(text)));
}

// Records what a sink that takes units hands on, each unit as its three lines, and how many
// units came at once.
class UnitLines final : public ScriptUnits {
 public:
  void Unit(std::u16string_view word, int64_t first, int64_t second) override {
    ScriptWriter one;
    one.Command2(word, first, second);
    lines += U8(std::move(one).Script());
    ++calls;
  }
  void Units(std::u16string_view word, std::span<const UnitIntegers> units) override {
    largest = std::max(largest, units.size());
    ScriptUnits::Units(word, units);
  }
  std::string lines;
  std::size_t calls = 0;
  std::size_t largest = 0;
};

// Units handed on some at a time are, in order, every unit of the script, and all of them have
// been handed on when StreamCommands returns: no flush is needed.
TEST(StreamCommands, HandsEveryUnitOnInTheScriptsOrder) {
  const std::u16string texts[] = {u"", u"H2O", u"o-Me", ManyLines(3000), ManyLines(200000)};
  for (const std::u16string& text : texts) {
    const auto check = [&text](auto& query, auto& again) {
      UnitLines units;
      ScriptSink sink(units);
      query.StreamCommands(text, sink);
      const std::string script = U8(again.GetCommands(text));
      EXPECT_TRUE(units.lines == script) << U8(text.substr(0, 20));
      EXPECT_LE(units.largest, units.calls);
      // The longest text has more units of one word than are handed on at once.
      if (text.size() > 100000) {
        EXPECT_LT(units.largest, units.calls);
      }
    };
    ChemFormulaQuery formula, formulaAgain;
    check(formula, formulaAgain);
    IonFormulaQuery ion, ionAgain;
    check(ion, ionAgain);
    ChemNameQuery name, nameAgain;
    check(name, nameAgain);
  }
}

// A query whose prefix list cannot be found fails before its first block, as GetCommands does,
// and the same object streams once a folder can be found.
TEST(StreamCommands, AFailingPrefixListRaisesBeforeAnyBlock) {
  const TempFolder home;
  std::optional<ScopedEnvironment> noConfig(std::in_place, "XDG_CONFIG_HOME", std::nullopt);
  std::optional<ScopedEnvironment> noHome(std::in_place, "HOME", std::nullopt);
  // The list is read once per thread: a fresh thread has not read it yet.
  std::thread([&] {
    ChemFormulaQuery formula;
    Blocks out;
    ScriptSink sink(out.Output(), 1);
    try {
      formula.StreamCommands(u"H2O o-Me CH4", sink);
      ADD_FAILURE() << "no error";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Number(), 5);
    }
    EXPECT_TRUE(out.blocks.empty());
    noHome.emplace("HOME", home.Path().string());
    EXPECT_TRUE(Streamed(formula, u"H2O o-Me", 1) == U8(formula.GetCommands(u"H2O o-Me")));
  }).join();
}

}  // namespace
}  // namespace glyphwright
