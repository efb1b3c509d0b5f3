// The one writer of the scanners' units: a list of scanners writes each one's units in turn,
// counts exactly what it writes, and a scan stops where its emit asks it to.
#include "chem/scan_units.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "chem/chem_keywords_query.h"
#include "chem/chem_subscript_query.h"
#include "chem/chem_superscript_query.h"
#include "chem/chem_test_support.h"
#include "chem/triple_bond_trans_query.h"

namespace glyphwright {
namespace {

using testing::Prepared;

struct Scanners {
  ChemSubscriptQuery subscript;
  ChemSuperscriptQuery superscript;
  TripleBondTransQuery tripleBond;
  ChemKeywordsQuery keywords;
  Scanners() { keywords.SetKeywords(u"Fe|CN|tert"); }
};

const std::string kText = "[Fe(CN)6]3- HC#CH*H2O tert SO42- Fe2+";

TEST(ScanUnits, AListWritesEachScannersUnitsInTurn) {
  const Scanners s;
  const CodeArray chars = Prepared(kText);
  const std::u16string each = s.keywords.GetCommands(chars) + s.tripleBond.GetCommands(chars) +
                              s.subscript.GetCommands(chars) + s.superscript.GetCommands(chars);
  EXPECT_FALSE(each.empty());
  EXPECT_EQ(WriteUnits(chars, s.keywords, s.tripleBond, s.subscript, s.superscript), each);
  EXPECT_EQ(UnitsLength(chars, s.keywords, s.tripleBond, s.subscript, s.superscript), each.size());
  ScriptWriter out;
  out.Command(u"Before");
  AppendUnits(chars, out, s.tripleBond, s.subscript);
  EXPECT_EQ(out.Script(),
            u"Before\n" + s.tripleBond.GetCommands(chars) + s.subscript.GetCommands(chars));
}

TEST(ScanUnits, ShortAndLongTextsAlike) {
  const Scanners s;
  // Around the length from which the writer counts before it writes.
  for (const std::size_t pad : {0u, 400u, 511u, 512u, 513u, 5000u}) {
    const CodeArray chars = Prepared(std::string(pad, 'x') + kText);
    const std::u16string script = WriteUnits(chars, s.subscript, s.keywords);
    EXPECT_EQ(script, s.subscript.GetCommands(chars) + s.keywords.GetCommands(chars)) << pad;
    EXPECT_EQ(UnitsLength(chars, s.subscript, s.keywords), script.size()) << pad;
  }
  EXPECT_EQ(WriteUnits(Prepared("")), u"");
  EXPECT_EQ(UnitsLength(Prepared(kText)), 0u);
}

// Every unit a scanner reports, stopping after `limit` of them.
template <class Scanner>
std::vector<std::pair<std::size_t, int64_t>> FirstUnits(const Scanner& scanner,
                                                        const CodeArray& chars, std::size_t limit) {
  std::vector<std::pair<std::size_t, int64_t>> units;
  scanner.Scan(chars, [&](std::size_t first, int64_t second) {
    units.emplace_back(first, second);
    return units.size() < limit;
  });
  return units;
}

TEST(ScanUnits, EveryScanStopsWhereItsEmitSaysSo) {
  const Scanners s;
  const CodeArray chars = Prepared(kText);
  using Units = std::vector<std::pair<std::size_t, int64_t>>;
  EXPECT_EQ(FirstUnits(s.subscript, chars, 1), (Units{{7, 1}}));
  EXPECT_EQ(FirstUnits(s.subscript, chars, 2), (Units{{7, 1}, {9, 1}}));
  EXPECT_EQ(FirstUnits(s.superscript, chars, 1), (Units{{9, 2}}));
  EXPECT_EQ(FirstUnits(s.tripleBond, chars, 1), (Units{{14, 8801}}));
  EXPECT_EQ(FirstUnits(s.tripleBond, chars, 2), (Units{{14, 8801}, {17, -155}}));
  EXPECT_EQ(FirstUnits(s.keywords, chars, 2), (Units{{1, 2}, {4, 2}}));
  // An emit that answers nothing sees every unit.
  std::size_t count = 0;
  s.tripleBond.Scan(chars, [&](std::size_t, int64_t) { ++count; });
  EXPECT_EQ(count, 2u);
}

}  // namespace
}  // namespace glyphwright
