// A host Executer for tests: records every call by name with its arguments, answers QueryValue
// with the value itself ("$CursorPosition" with CursorPosition), and can lack operations, fail
// on chosen ones, or act on a call through a hook (to write by-reference arguments back).
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "automation/automation_error.h"
#include "automation/dispatch.h"
#include "text/utf8.h"

namespace glyphwright::testing {

class RecordingExecuter : public Dispatch {
 public:
  static constexpr const char16_t* kOperations[] = {
      u"QueryValue",    u"SetSubscript", u"SetSuperscript", u"SetSmall",
      u"SetStyle",      u"ApplyStyle",   u"ReplaceChar",    u"TypeBackspace",
      u"TypeParagraph", u"TypeText",     u"MoveCursor",     u"CopyText",
      u"CutText",       u"PasteText",    u"DeleteText",     u"SelectRange"};

  // Only these operations exist; empty means all of them.
  std::set<std::u16string> supported;
  std::map<std::u16string, AutomationError> failures;
  std::function<void(std::u16string_view name, Arguments args)> hook;
  Variant cursorPosition = Variant(int32_t{0});
  // One line per call: "SetSubscript(3, 2, False)"; texts as they are.
  std::vector<std::string> calls;

  DispId GetIDsOfNames(std::u16string_view name) override {
    for (DispId id = 0; id < static_cast<DispId>(std::size(kOperations)); ++id) {
      if (name == kOperations[id] && (supported.empty() || supported.count(std::u16string(name)))) {
        return id;
      }
    }
    return kUnknownDispId;
  }

  Variant Invoke(DispId id, InvokeKind, Arguments args) override {
    const std::u16string name = kOperations[id];
    std::string call = Utf16ToUtf8(name) + "(";
    for (std::size_t i = 0; i < args.size(); ++i) {
      call += (i ? ", " : "") + Utf16ToUtf8(args[i]->ToText());
    }
    calls.push_back(call + ")");
    if (auto failure = failures.find(name); failure != failures.end()) throw failure->second;
    if (hook) hook(name, args);
    if (name == u"QueryValue") {
      return args[0]->ToText() == u"$CursorPosition" ? cursorPosition : *args[0];
    }
    return {};
  }
};

inline std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
  return std::vector<std::string>(lines.begin(), lines.end());
}

}  // namespace glyphwright::testing
