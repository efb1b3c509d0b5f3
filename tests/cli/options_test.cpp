#include <gtest/gtest.h>

#include "cli/cli_errors.h"
#include "cli/options.h"

namespace glyphwright::cli {
namespace {

constexpr OptionRule kOptions[] = {{"--to", true}, {"--set", true, true}, {"--ignore-error"}};

ParsedOptions Parse(std::vector<std::string> args) {
  return ParseOptions(args, kOptions, "format");
}

TEST(OptionsTest, ReadsValuesFlagsAndPositionals) {
  const ParsedOptions parsed =
      Parse({"q", "--to=text", "--set", "A=1", "--ignore-error", "-", "--set=B=2"});
  EXPECT_FALSE(parsed.help);
  EXPECT_EQ(parsed.positionals, (std::vector<std::string>{"q", "-"}));
  EXPECT_EQ(parsed.Value("--to"), "text");
  EXPECT_EQ(parsed.Values("--set"), (std::vector<std::string>{"A=1", "B=2"}));
  EXPECT_TRUE(parsed.Has("--ignore-error"));
  EXPECT_FALSE(parsed.Value("--from").has_value());
}

TEST(OptionsTest, DoubleDashEndsOptions) {
  const ParsedOptions parsed = Parse({"q", "--", "--to", "-h", "-OH"});
  EXPECT_EQ(parsed.positionals, (std::vector<std::string>{"q", "--to", "-h", "-OH"}));
  EXPECT_FALSE(parsed.help);
}

TEST(OptionsTest, ValuesMayLookLikeOptionsOrBeEmpty) {
  EXPECT_EQ(Parse({"--set", "--x=y"}).Values("--set"), (std::vector<std::string>{"--x=y"}));
  EXPECT_EQ(Parse({"--to="}).Value("--to"), "");
  EXPECT_EQ(Parse({""}).positionals, (std::vector<std::string>{""}));
}

TEST(OptionsTest, HelpAnywhere) {
  EXPECT_TRUE(Parse({"q", "-h"}).help);
  EXPECT_TRUE(Parse({"--help", "--to", "text"}).help);
}

TEST(OptionsTest, RejectsBadUsageNamingTheCommand) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--bogus"}, "unknown option '--bogus' for 'format'"},
      {{"--bogus=1"}, "unknown option '--bogus' for 'format'"},
      {{"-x"}, "unknown option '-x' for 'format'"},
      {{"q", "--to"}, "option '--to' needs a value"},
      {{"--ignore-error=yes"}, "option '--ignore-error' takes no value"},
      {{"--to", "html", "--to=text"}, "option '--to' is given twice"},
  };
  for (const auto& [args, message] : cases) {
    try {
      Parse(args);
      ADD_FAILURE() << "accepted " << message;
    } catch (const UsageError& error) {
      EXPECT_EQ(error.what(), message);
      EXPECT_EQ(error.Command(), "format");
    }
  }
}

TEST(OptionsTest, ChooseListsTheChoices) {
  constexpr std::string_view kForms[] = {"html", "text"};
  EXPECT_EQ(Choose("--to", "text", kForms, "run"), "text");
  try {
    Choose("--to", "HTML", kForms, "run");
    ADD_FAILURE() << "accepted";
  } catch (const UsageError& error) {
    EXPECT_STREQ(error.what(), "option '--to' takes one of html, text, not 'HTML'");
  }
}

}  // namespace
}  // namespace glyphwright::cli
