#include "script/builders.h"

#include <array>

namespace glyphwright {

ScriptWriter& ScriptWriter::Value(int64_t value) {
  std::array<char16_t, kValueLineMax> line;
  char16_t* const end = line.data() + line.size();
  const char16_t* const start = WriteValueLine(end, value);
  script_.append(start, static_cast<std::size_t>(end - start));
  return *this;
}

ScriptWriter& ScriptWriter::Command1(std::u16string_view name, int64_t value) {
  return Value(value).Command(name);
}

ScriptWriter& ScriptWriter::Command2(std::u16string_view name, std::u16string_view first,
                                     std::u16string_view second) {
  return Value(first).Value(second).Command(name);
}

ScriptWriter& ScriptWriter::Append(std::u16string_view fragment) {
  script_.append(fragment);
  return *this;
}

std::u16string MakeCommand(std::u16string_view Name) {
  return ScriptWriter().Command(Name).Script();
}

std::u16string MakeValue(std::u16string_view Value) {
  return ScriptWriter().Value(Value).Script();
}

std::u16string MakeCommand1(std::u16string_view Name, std::u16string_view Value) {
  return ScriptWriter().Command1(Name, Value).Script();
}

std::u16string MakeCommand2(std::u16string_view Name, std::u16string_view First,
                            std::u16string_view Second) {
  return ScriptWriter().Command2(Name, First, Second).Script();
}

}  // namespace glyphwright
