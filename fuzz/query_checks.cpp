#include "query_checks.h"

#include "script/vocabulary.h"

#include "document/renderers.h"
#include "script/command_runner.h"

namespace glyphwright::fuzz {
namespace {

std::vector<std::string> CliArgs(std::string_view command, std::string_view alias,
                                 const std::vector<Setting>& settings) {
  std::vector<std::string> args{std::string(command), std::string(alias)};
  for (const Setting& setting : settings) {
    args.push_back("--set");
    args.push_back(U8(setting.name) + "=" + U8(setting.value));
  }
  return args;  // no TEXT: it comes from standard input, verbatim
}

std::string Show(const CliResult& result) {
  return "status " + std::to_string(result.status) + "\nout: " + result.out +
         "\nerr: " + result.err;
}

}  // namespace

std::shared_ptr<Document> MakeDocument(std::u16string_view text) {
  return std::make_shared<Document>(text);
}

void RunScript(const std::shared_ptr<Document>& document, std::u16string_view script,
               bool ignoreError) {
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.SetIgnoreError(ignoreError);
  runner.Run(script);
}

bool OverflowsTheStack(const std::vector<Unit>& units) {
  constexpr auto kHeld = static_cast<std::size_t>(CommandRunner::kStackSize);
  std::size_t left = 0;
  for (const Unit& unit : units) {
    // Both values are pushed before the word takes them: the stack must hold them on top of
    // what earlier units left, even when this unit's word would take them off again.
    if (left + 2 > kHeld) return true;
    switch (FindWord(unit.word)) {
      case Word::NormalScript:
      case Word::Subscript:
      case Word::Superscript:
      case Word::Small:
      case Word::Italic:
      case Word::Bold:
      case Word::ChemicalItalic:
      case Word::ChemicalSmall:
      case Word::ReplaceChar:
        break;
      default:
        left += 2;
    }
  }
  return false;
}

void CheckStackOverflow(const std::shared_ptr<Document>& document, std::u16string_view script) {
  try {
    RunScript(document, script);
  } catch (const AutomationError& error) {
    Check(error.Number() == 9, "a script holding more than 101 values raises 9", error.what());
    return;
  }
  Fail("a script holding more than 101 values raises 9");
}

std::string Json(const Document& document) {
  return U8(RenderJson(document));
}

std::string CliHtml(const Document& document) {
  std::string html = U8(RenderHtml(document));
  if (html.empty() || html.back() != '\n') html += '\n';
  return html;
}

void CheckCliScript(std::string_view alias, const std::vector<Setting>& settings,
                    std::u16string_view text, std::u16string_view script) {
  if (!HasUtf8Form(text)) return;
  const CliResult result = RunCli(CliArgs("script", alias, settings), U8(text));
  // The list-to-table query answers a list it cannot read with the empty script; the command
  // then says why and exits 3 instead of printing nothing.
  if (script.empty() && result.status == 3) {
    Check(alias == "nmr-table" && result.out.empty() &&
              result.err.starts_with("glyphwright: not converted: "),
          "the command says why it did not convert the list", Show(result));
    return;
  }
  Check(result.status == 0 && result.out == U8(script) && result.err.empty(),
        "the command prints the library's script", Show(result) + "\nexpected: " + U8(script));
}

void CheckCliError(std::string_view command, std::string_view alias,
                   const std::vector<Setting>& settings, std::u16string_view text,
                   const AutomationError& error) {
  if (!HasUtf8Form(text)) return;
  const CliResult result = RunCli(CliArgs(command, alias, settings), U8(text));
  const std::string expected = "glyphwright: " + CliErrorLine(error) + "\n";
  Check(result.status == 1 && result.out.empty() && result.err == expected,
        "the command reports the library's error", Show(result) + "\nexpected: " + expected);
}

void CheckCliFormat(std::string_view alias, const std::vector<Setting>& settings,
                    std::u16string_view text, std::string_view formattedHtml) {
  if (!HasUtf8Form(text)) return;
  const CliResult result = RunCli(CliArgs("format", alias, settings), U8(text));
  Check(result.status == 0 && result.out == formattedHtml && result.err.empty(),
        "the command formats as the library does",
        Show(result) + "\nexpected: " + std::string(formattedHtml));
}

}  // namespace glyphwright::fuzz
