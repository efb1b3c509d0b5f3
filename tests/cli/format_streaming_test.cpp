// `glyphwright format` runs a streaming query's script on the document as the query makes it:
// the rendering, in every form, is still exactly that of the whole script run at once, and a
// run that fails still fails with the same message and status, having written nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
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

constexpr const char* kForms[] = {"html", "text", "unicode", "json"};

using in_process::Outcome;

Outcome Format(const std::string& query, const std::string& to, const std::string& input,
               const std::vector<std::string>& settings = {}, bool ignoreError = false) {
  std::vector<std::string> args = {"format", query, "--to", to};
  for (const std::string& setting : settings) args.insert(args.end(), {"--set", setting});
  if (ignoreError) args.push_back("--ignore-error");
  return in_process::RunOn(args, input);
}

// The rendering after the query's whole GetCommands script has run on the document at once.
std::string RenderedWhole(const std::string& alias, const std::string& to, const std::string& input,
                          const std::vector<std::string>& settings = {}, bool ignoreError = false) {
  const QueryRegistry queries = BuiltInQueries();
  const QueryEntry& entry = FindQuery(queries, alias, "format");
  const DispatchRef query = MakeQuery(entry, ParseSettings(settings, "format"));
  const std::shared_ptr<Document> document =
      MakeDocument(DecodeUtf8(input, "text"), InputForm::Text);
  const Variant script = GetCommands(*query, document);
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.SetIgnoreError(ignoreError);
  runner.Run(TextOf(script));
  std::ostringstream out;
  WriteRendering(out, *document, ParseOutputForm(to, "format"));
  return out.str();
}

TEST(FormatStreaming, EveryBundledSampleRendersAsTheWholeScriptDoes) {
  int rows = 0;
  for (const SampleRow& row : SampleRows(Slurp(GLYPHWRIGHT_SAMPLES "/queries.tsv"))) {
    ASSERT_FALSE(row.alias.empty()) << row.line;
    if (BuiltInQueries().Find(DecodeUtf8(row.alias, "alias")) == nullptr) continue;
    for (const char* to : kForms) {
      const Outcome outcome = Format(row.alias, to, row.text, row.settings);
      EXPECT_EQ(outcome.status, 0) << row.line << outcome.err;
      EXPECT_EQ(outcome.out, RenderedWhole(row.alias, to, row.text, row.settings))
          << row.line << " " << to;
    }
    ++rows;
  }
  EXPECT_GE(rows, 10);
  for (const char* sample : {"formula-triple-bond", "ion-charge", "name-prefixes"}) {
    const std::string text = Slurp(std::string(GLYPHWRIGHT_SAMPLES "/scripts/") + sample + ".text");
    ASSERT_FALSE(text.empty()) << sample;
    for (const char* query : {"formula", "ion", "name"}) {
      for (const char* to : kForms) {
        const Outcome outcome = Format(query, to, text);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.out, RenderedWhole(query, to, text)) << sample << " " << query;
      }
    }
  }
}

// Scripts of many blocks, so units run in one block act on text an earlier block changed, with
// characters beyond the first plane and a command word of its own.
TEST(FormatStreaming, LongInputsRenderAsTheWholeScriptDoes) {
  const std::string input = Utf16ToUtf8(ManyLines(120000));
  for (const char* query : {"formula", "ion", "name"}) {
    for (const char* to : kForms) {
      const Outcome outcome = Format(query, to, input);
      EXPECT_EQ(outcome.status, 0) << outcome.err;
      EXPECT_GT(outcome.out.size(), input.size() / 2) << query << " " << to;
      EXPECT_TRUE(outcome.out == RenderedWhole(query, to, input)) << query << " " << to;
    }
  }
  const std::vector<std::string> word = {"ItalicCommand=\xF0\x9D\x91\x96talic \xCE\xB4"};
  // A word the runner does not know leaves its values on the stack, which overflows: the errors
  // are skipped as the whole script's run skips them.
  const Outcome italic = Format("formula", "json", input, word, true);
  EXPECT_EQ(italic.status, 0) << italic.err;
  EXPECT_TRUE(italic.out == RenderedWhole("formula", "json", input, word, true));
}

// A command word that pushes instead of styling fills the stack thousands of lines in, long
// after the first blocks have run: the command fails as the whole script failed, and the
// document it left half-changed is never written.
TEST(FormatStreaming, ARunThatFailsMidwayWritesNothing) {
  const std::string input = Utf16ToUtf8(ManyLines(120000));
  for (const char* query : {"formula", "name"}) {
    const std::vector<std::string> settings = {"ItalicCommand=Plus"};
    const Outcome failed = Format(query, "html", input, settings);
    EXPECT_EQ(failed.status, kExitAutomationError) << query;
    EXPECT_EQ(failed.err, "glyphwright: error 9: Subscript out of range.\n") << query;
    EXPECT_EQ(failed.out, "") << query;
    // Ignoring the errors, the run goes on to the end as the whole script's run does.
    for (const char* to : kForms) {
      const Outcome ignored = Format(query, to, input, settings, true);
      EXPECT_EQ(ignored.status, 0) << ignored.err;
      EXPECT_TRUE(ignored.out == RenderedWhole(query, to, input, settings, true)) << to;
    }
  }
}

// Read as HTML, the document's text is not the input's: the query formats the document's text,
// never the markup it was read from.
TEST(FormatStreaming, HtmlInputIsFormattedAsTheDocumentReadsIt) {
  const std::string input = "H2SO4 &amp; <b>CO2</b> Fe2O3 &lt; 3 H<sub>2</sub>O";
  const QueryRegistry queries = BuiltInQueries();
  for (const char* to : kForms) {
    const Outcome outcome =
        in_process::RunOn({"format", "formula", "--from", "html", "--to", to}, input);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    const DispatchRef query = MakeQuery(FindQuery(queries, "formula", "format"), {});
    const std::shared_ptr<Document> document =
        MakeDocument(DecodeUtf8(input, "text"), InputForm::Html);
    CommandRunner runner;
    runner.SetExecuter(document);
    runner.Run(TextOf(GetCommands(*query, document)));
    std::ostringstream whole;
    WriteRendering(whole, *document, ParseOutputForm(to, "format"));
    EXPECT_EQ(outcome.out, whole.str()) << to;
    EXPECT_EQ(outcome.out.find("amp;amp;"), std::string::npos) << to;
  }
}

// A query that refuses its text raises before any of its script has run.
TEST(FormatStreaming, ATextTheQueryRefusesChangesNothing) {
  const Outcome bad = Format("formula", "html", "H2O\xFF");
  EXPECT_EQ(bad.status, kExitUsage);
  EXPECT_EQ(bad.out, "");
  const Outcome setting = Format("ion", "html", "Fe2+", {"NoSuchProperty=1"});
  EXPECT_NE(setting.status, 0);
  EXPECT_EQ(setting.out, "");
}

}  // namespace
}  // namespace glyphwright::cli
