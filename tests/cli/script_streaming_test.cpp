// `glyphwright script` writes the script as the query makes it and reads standard input as it
// arrives: the output is still exactly the query's GetCommands, the input exactly the text, and
// bad input or output that cannot be written fails as before.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_errors.h"
#include "cli/cli_outcome.h"
#include "cli/query_call.h"
#include "cli/sample_inputs.h"
#include "cli/text_io.h"
#include "text/utf8.h"

namespace glyphwright::cli {
namespace {

using samples::ManyLines;
using samples::SampleRow;
using samples::SampleRows;
using samples::Slurp;

using in_process::Outcome;

Outcome Script(const std::vector<std::string>& args, std::istream& in) {
  return in_process::RunIn(args, in);
}

Outcome Script(const std::vector<std::string>& args, const std::string& input) {
  return in_process::RunOn(args, input);
}

// The script the query answers through GetCommands, called by name as a host calls it.
std::string ScriptByGetCommands(const std::string& alias, const std::u16string& text,
                                const std::vector<std::string>& settings = {}) {
  const QueryRegistry queries = BuiltInQueries();
  const DispatchRef query =
      MakeQuery(FindQuery(queries, alias, "script"), ParseSettings(settings, "script"));
  const Variant script = HasFontListener(*query)
                             ? GetCommands(*query, std::make_shared<Document>(text))
                             : GetCommands(*query, text);
  return Utf16ToUtf8(TextOf(script));
}

// Hands out its bytes a few at a time and cannot seek, as a pipe does.
class PipeBuffer : public std::streambuf {
 public:
  explicit PipeBuffer(std::string bytes) : bytes_(std::move(bytes)) {}

 protected:
  int_type underflow() override {
    if (at_ >= bytes_.size()) return traits_type::eof();
    const std::size_t count = std::min<std::size_t>(1000, bytes_.size() - at_);
    char* const first = bytes_.data() + at_;
    setg(first, first, first + count);
    at_ += count;
    return traits_type::to_int_type(*first);
  }

 private:
  std::string bytes_;
  std::size_t at_ = 0;
};

// Takes the first `room` bytes, then fails every write, counting the attempts.
class FullDeviceBuffer : public std::streambuf {
 public:
  explicit FullDeviceBuffer(std::size_t room) : room_(room) {}
  std::size_t taken = 0;
  int failedWrites = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override {
    const auto n = static_cast<std::size_t>(count);
    if (taken + n > room_) {
      ++failedWrites;
      return 0;
    }
    taken += n;
    return count;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char one = traits_type::to_char_type(c);
    return xsputn(&one, 1) == 1 ? c : traits_type::eof();
  }

 private:
  std::size_t room_;
};

TEST(ScriptStreaming, EveryBundledSampleGivesTheQuerysScript) {
  int rows = 0;
  for (const SampleRow& row : SampleRows(Slurp(GLYPHWRIGHT_SAMPLES "/queries.tsv"))) {
    ASSERT_FALSE(row.alias.empty()) << row.line;
    if (BuiltInQueries().Find(DecodeUtf8(row.alias, "alias")) == nullptr) continue;
    std::vector<std::string> args = {"script", row.alias};
    for (const std::string& setting : row.settings) args.insert(args.end(), {"--set", setting});
    const Outcome outcome = Script(args, row.text);
    EXPECT_EQ(outcome.status, 0) << row.line << outcome.err;
    EXPECT_EQ(outcome.out,
              ScriptByGetCommands(row.alias, DecodeUtf8(row.text, "text"), row.settings))
        << row.line;
    ++rows;
  }
  EXPECT_GE(rows, 10);
  for (const char* sample : {"formula-triple-bond", "ion-charge", "name-prefixes"}) {
    const std::string text = Slurp(std::string(GLYPHWRIGHT_SAMPLES "/scripts/") + sample + ".text");
    ASSERT_FALSE(text.empty()) << sample;
    for (const char* query : {"formula", "ion", "name"}) {
      const Outcome outcome = Script({"script", query}, text);
      EXPECT_EQ(outcome.status, 0) << outcome.err;
      EXPECT_EQ(outcome.out, ScriptByGetCommands(query, DecodeUtf8(text, "text"))) << sample;
    }
  }
}

// Scripts of many blocks, with characters beyond the first plane in the text and in a command
// word, read from a file and from a pipe.
TEST(ScriptStreaming, LongInputsOfManyLinesGiveTheQuerysScript) {
  const std::u16string text = ManyLines(300000);
  const std::string input = Utf16ToUtf8(text);
  for (const char* query : {"formula", "ion", "name"}) {
    const Outcome outcome = Script({"script", query}, input);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_GT(outcome.out.size(), 4 * (std::size_t{1} << 15)) << query;
    EXPECT_TRUE(outcome.out == ScriptByGetCommands(query, text)) << query;
    PipeBuffer pipe(input);
    std::istream in(&pipe);
    EXPECT_TRUE(Script({"script", query}, in).out == outcome.out) << query;
  }
  const std::vector<std::string> word = {"ItalicCommand=\xF0\x9D\x91\x96talic \xCE\xB4"};
  const Outcome italic =
      Script({"script", "formula", "--set", word[0], "-"}, Utf16ToUtf8(ManyLines(100000)));
  EXPECT_NE(italic.out.find("\xF0\x9D\x91\x96talic"), std::string::npos);
  EXPECT_TRUE(italic.out == ScriptByGetCommands("formula", ManyLines(100000), word));
}

// A character of 2, 3 or 4 bytes at every place around the end of the first 64 KiB read.
TEST(ScriptStreaming, CharactersSplitBetweenReadsStayWhole) {
  constexpr std::size_t kRead = 65536;
  for (const std::string character : {"\xCE\xB4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}) {
    for (std::size_t at = kRead - 4; at <= kRead + 1; ++at) {
      const std::string input = std::string(at, 'a') + character + "H2O";
      const std::u16string expected = *Utf8ToUtf16(input);
      std::istringstream file(input);
      EXPECT_TRUE(ReadUtf8(file) == expected) << at;
      PipeBuffer pipe(input);
      std::istream in(&pipe);
      EXPECT_TRUE(ReadUtf8(in) == expected) << at;
    }
  }
  std::istringstream empty;
  EXPECT_TRUE(ReadUtf8(empty).empty());
}

TEST(ScriptStreaming, BadUtf8IsReportedAtItsOffsetInTheWholeInput) {
  constexpr std::size_t kRead = 65536;
  const std::string a(kRead - 1, 'a');
  const struct {
    std::string input;
    std::size_t bad;
  } cases[] = {
      {std::string(70000, 'a') + "\xFF" + "b", 70000},
      {a + "\xE2" + "bcd", kRead - 1},  // a lead cut off by the read, then no tail
      {a + "\xE2\x82", kRead - 1},      // the input ends inside a character
      {a + "\xF0\x9F\x98", kRead - 1},  // the same, across the end of the read
      {std::string(2 * kRead, 'a') + "\xC0\xAF", 2 * kRead},      // an overlong form
      {std::string(kRead - 2, 'a') + "\xED\xA0\x80", kRead - 2},  // an encoded surrogate
      {a + "\xCE\xB4" + "\x80", kRead + 1},  // a tail with no lead, after a whole one
  };
  for (const auto& [input, bad] : cases) {
    const Outcome outcome = Script({"script", "formula"}, input);
    EXPECT_EQ(outcome.status, kExitUsage) << bad;
    EXPECT_EQ(outcome.err, "glyphwright: standard input is not valid UTF-8 (byte " +
                               std::to_string(bad) + ")\n");
    EXPECT_EQ(outcome.out, "");
    PipeBuffer pipe(input);
    std::istream in(&pipe);
    EXPECT_EQ(Script({"script", "ion"}, in).err, outcome.err);
  }
}

TEST(ScriptStreaming, InputBeyondTheLimitIsRefused) {
  std::istringstream exact("H2SO4 H2");
  EXPECT_TRUE(ReadUtf8(exact, "standard input", 8) == u"H2SO4 H2");
  std::istringstream longer("H2SO4 H2O");
  try {
    ReadUtf8(longer, "standard input", 8);
    ADD_FAILURE() << "no error";
  } catch (const InputError& error) {
    EXPECT_EQ(std::string(error.what()), "standard input is longer than 8 bytes");
  }
}

// Output that stops being written ends the command at the first block that cannot go out, with
// the message and status a failed final write gives.
TEST(ScriptStreaming, OutputThatCannotBeWrittenStopsTheCommand) {
  const std::string input = Utf16ToUtf8(ManyLines(300000));
  for (const std::size_t room : {std::size_t{0}, std::size_t{100000}}) {
    FullDeviceBuffer device(room);
    std::ostream out(&device);
    std::ostringstream err;
    std::istringstream in(input);
    const std::vector<std::string> args = {"script", "formula"};
    const int status = RunCli(args, BuiltInQueries(), {in, out, err});
    EXPECT_EQ(status, kExitAutomationError);
    EXPECT_EQ(err.str(), "glyphwright: cannot write the output\n");
    EXPECT_EQ(device.failedWrites, 1) << room;
    EXPECT_LE(device.taken, room);
    // The query is stopped, not left to write blocks nobody takes.
    const QueryRegistry queries = BuiltInQueries();
    const DispatchRef query = MakeQuery(FindQuery(queries, "ion", "script"), {});
    FullDeviceBuffer again(room);
    std::ostream full(&again);
    EXPECT_THROW(StreamScript(*StreamingQuery(*query, FindQuery(queries, "ion", "script")),
                              ManyLines(300000), full),
                 std::runtime_error);
  }
}

}  // namespace
}  // namespace glyphwright::cli
