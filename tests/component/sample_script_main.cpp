// glyphwright-sample-script CLASS TEXT [NAME=VALUE]...: prints the script a query gives for
// TEXT, made and called by name alone, as a C++ host does. The digit query's FontListener is a
// reference document holding TEXT. The samples test compares its output with the command line's
// and the Python module's.
#include <iostream>
#include <string>

#include "component/class_registry.h"
#include "document/document.h"
#include "text/utf8.h"

namespace {

using namespace glyphwright;

std::u16string Utf16(const char* text) {
  std::optional<std::u16string> converted = Utf8ToUtf16(text);
  if (!converted) throw std::runtime_error("arguments must be UTF-8");
  return *converted;
}

void Put(Dispatch& object, std::u16string_view name, InvokeKind kind, Variant value) {
  Variant* args[] = {&value};
  CallByName(object, name, kind, args);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: glyphwright-sample-script CLASS TEXT [NAME=VALUE]...\n";
    return 2;
  }
  try {
    const DispatchRef query = CreateObject(u"Glyphwright." + Utf16(argv[1]));
    const std::u16string text = Utf16(argv[2]);
    for (int i = 3; i < argc; ++i) {
      const std::u16string setting = Utf16(argv[i]);
      const std::size_t equals = setting.find(u'=');
      Put(*query, setting.substr(0, equals), InvokeKind::PropertyPut,
          Variant(setting.substr(equals + 1)));
    }
    if (query->GetIDsOfNames(u"FontListener") != kUnknownDispId) {
      Put(*query, u"FontListener", InvokeKind::PropertyPutRef,
          Variant(DispatchRef(std::make_shared<Document>(text))));
    }
    Variant argument(text);
    Variant* args[] = {&argument};
    std::cout << Utf16ToUtf8(CallByName(*query, u"GetCommands", InvokeKind::Method, args).ToText());
    return 0;
  } catch (const AutomationError& error) {
    std::cerr << "error " << error.Number() << ": " << error.what() << "\n";
    return 1;
  }
}
