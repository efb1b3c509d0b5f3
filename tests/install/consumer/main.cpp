// A program of a user of the installed library: formats SO42- and prints the document as
// Unicode text, in UTF-8. The install tests build it with find_package and with pkg-config.
#include <iostream>
#include <memory>
#include <string>

#include "chem/ion_formula_query.h"
#include "document/document.h"
#include "document/renderers.h"
#include "script/command_runner.h"
#include "text/utf8.h"

int main(int argc, char** argv) {
  const std::string text = argc > 1 ? argv[1] : "SO42-";
  const auto unicode = glyphwright::Utf8ToUtf16(text);
  if (!unicode) {
    std::cerr << "consumer: the text is not UTF-8\n";
    return 2;
  }
  auto document = std::make_shared<glyphwright::Document>(*unicode);
  glyphwright::IonFormulaQuery query;
  glyphwright::CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(query.GetCommands(document->BeginQuery()));
  std::cout << glyphwright::Utf16ToUtf8(glyphwright::RenderUnicode(*document)) << '\n';
  return 0;
}
