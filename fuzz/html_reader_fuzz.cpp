// The command's --from html reader. Invariants: it either reads the input or fails with error 1
// and a description that ends with a full stop; what it reads holds no more characters than the
// input, all selected; `glyphwright format formula --from html` prints what the library makes of
// the same document, or reports the same failure.
#include "chem/chem_formula_query.h"
#include "document/html_reader.h"
#include "query_checks.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::u16string html = FuzzInput(data, size).RestText();
  std::shared_ptr<Document> document;
  std::string failure;
  try {
    document = std::make_shared<Document>(DocumentFromHtml(html));
  } catch (const AutomationError& error) {
    Check(error.Number() == 1 && error.Description().ends_with(u"."),
          "a reader error is error 1 with a full stop", error.what());
    failure = error.what();
  } catch (const std::exception& other) {
    Fail("only automation errors are raised", other.what());
  }

  std::string expected;
  if (document) {
    Check(document->Size() <= static_cast<int32_t>(html.size()), "no more characters than input");
    Check(document->SelectionStart() == 0 && document->SelectionLength() == document->Size(),
          "everything selected");
    ChemFormulaQuery query;
    RunScript(document, query.GetCommands(document->BeginQuery()));
    expected = CliHtml(*document);
  }
  if (!HasUtf8Form(html)) return 0;
  const CliResult result = RunCli({"format", "formula", "--from", "html"}, U8(html));
  if (document) {
    Check(result.status == 0 && result.out == expected && result.err.empty(),
          "the command formats what the library formats", result.out + result.err);
  } else {
    Check(result.status == 2 && result.out.empty() &&
              result.err == "glyphwright: cannot read the HTML input: " + failure + "\n",
          "the command reports the reader's failure", result.err);
  }
  return 0;
}
