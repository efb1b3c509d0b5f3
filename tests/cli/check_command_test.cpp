// glyphwright check and the data query, in-process with the built-in queries.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "cli/cli_outcome.h"

namespace glyphwright::cli {
namespace {

using in_process::Outcome;

Outcome Cli(const std::vector<std::string>& args, const std::string& input = {}) {
  return in_process::RunOn(args, input);
}

TEST(CheckCommand, NothingWrongIsStatusZeroAndNoOutput) {
  const Outcome outcome =
      Cli({"check", "HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ 165.0910, found 165.0912."});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "");
}

TEST(CheckCommand, EachFindingIsOneLineWithItsOffset) {
  const Outcome outcome =
      Cli({"check",
           "HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ 165.0925, found 165.0912. Anal. Calcd for "
           "C10H12O2: C, 73.15; H, 7.37. Found: C, 72.50; H, 7.40."});
  EXPECT_EQ(outcome.status, 4);
  EXPECT_EQ(outcome.out,
            "41: The calcd m/z 165.0925 should be 165.0910 for C10H13O2 with charge 1+.\n"
            "122: The found C 72.50% is 0.65 from the calcd 73.15%; at most 0.40 is allowed.\n");
}

TEST(CheckCommand, ReadsStandardInputWithoutText) {
  const Outcome outcome =
      Cli({"check"}, "HRMS calcd for C10H13O2 [M+H]+ 165.0910, found 165.1010.\n");
  EXPECT_EQ(outcome.status, 4);
  EXPECT_EQ(outcome.out.substr(0, 4), "47: ");
}

TEST(CheckCommand, OffsetsCountUtf16CodeUnits) {
  // The α is one code unit and two bytes of UTF-8.
  const Outcome outcome = Cli({"check", "[\u03B1]D HRMS calcd for C10H13O2+ 165.0925."});
  EXPECT_EQ(outcome.status, 4);
  EXPECT_EQ(outcome.out.substr(0, 4), "30: ");
}

TEST(CheckCommand, TooManyArgumentsIsUsage) {
  const Outcome outcome = Cli({"check", "a", "b"});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_NE(outcome.err.find("too many arguments"), std::string::npos);
}

TEST(CheckCommand, BadUtf8IsInputError) {
  const Outcome outcome = Cli({"check", "calcd \xFF"});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "");
}

TEST(CheckCommand, HelpNamesTheExitStatus) {
  const Outcome outcome = Cli({"check", "--help"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_NE(outcome.out.find("4 when"), std::string::npos);
}

TEST(DataQuery, FormatsThroughItsAlias) {
  const Outcome outcome = Cli({"format", "data", "--to", "html", "mp 163-165 \u00B0C; Rf 0.4"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "<p>mp 163\u2013165 \u00B0C; R<sub>f</sub> 0.4</p>\n");
}

TEST(DataQuery, IsListed) {
  EXPECT_NE(Cli({"queries"}).out.find("data\tCharacterisationQuery\n"), std::string::npos);
}

}  // namespace
}  // namespace glyphwright::cli
