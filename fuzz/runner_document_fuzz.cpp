// CommandRunner.Run of any script against the reference document, IgnoreError either way.
// The input is the document's text, a 0xFD byte, then the script (without the byte, the whole
// input is the script, run on a fixed text).
// Invariants: the only thing Run raises is an AutomationError, and nothing at all with
// IgnoreError True; the document stays well-formed (cursor and selection inside it, every
// rendering possible); `glyphwright run` prints what the library's document renders, or the
// library's error.
#include "document/renderers.h"
#include "query_checks.h"
#include "script/command_runner.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

namespace {

constexpr std::u16string_view kDefaultText = u"H2SO4 SO42- \u03B4 7.26 (1H, s).\r7.26\t1H\ts";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const bool ignoreError = input.Flag();
  const std::string_view bytes = input.RestBytes();
  const std::size_t split = bytes.find('\xFD');
  const std::u16string text = split == std::string_view::npos ? std::u16string(kDefaultText)
                                                              : DecodeText(bytes.substr(0, split));
  const std::u16string script =
      DecodeText(split == std::string_view::npos ? bytes : bytes.substr(split + 1));

  const auto document = MakeDocument(text);
  std::optional<AutomationError> error;
  try {
    RunScript(document, script, ignoreError);
  } catch (const AutomationError& raised) {
    Check(!ignoreError, "with IgnoreError nothing is raised", raised.what());
    error = raised;
  } catch (const std::exception& other) {
    Fail("only automation errors are raised", other.what());
  }
  Check(document->Size() >= 0 && document->Cursor() >= 0 && document->Cursor() <= document->Size(),
        "the cursor lies in the document");
  Check(document->SelectionStart() >= 0 && document->SelectionLength() >= 0 &&
            document->SelectionStart() + document->SelectionLength() <= document->Size(),
        "the selection lies in the document");
  const std::string html = CliHtml(*document);
  RenderText(*document);
  RenderUnicode(*document);
  RenderJson(*document);

  if (!HasUtf8Form(text) || !HasUtf8Form(script)) return 0;
  // TEXT "-" means standard input to the command, which here carries the script: a user with
  // that text puts the script in a file instead.
  if (text == u"-") return 0;
  std::vector<std::string> args{"run"};
  if (ignoreError) args.push_back("--ignore-error");
  args.insert(args.end(), {"--", "-", U8(text)});
  const CliResult result = RunCli(args, U8(script));
  if (error) {
    const std::string expected = "glyphwright: " + CliErrorLine(*error) + "\n";
    Check(result.status == 1 && result.out.empty() && result.err == expected,
          "the command reports the library's error", result.err + "\nexpected: " + expected);
  } else {
    Check(result.status == 0 && result.out == html && result.err.empty(),
          "the command renders what the library renders",
          result.out + result.err + "\nexpected: " + html);
  }
  return 0;
}
