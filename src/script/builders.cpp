#include "script/builders.h"

#include <array>

namespace glyphwright {
namespace {

// "=", a sign, 19 digits, LF.
constexpr std::size_t kValueLineMax = 22;

// "00" to "99", so a number is written two digits a step.
constexpr std::array<char16_t, 200> kDigitPairs = [] {
  std::array<char16_t, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char16_t>(u'0' + i / 10);
    pairs[2 * i + 1] = static_cast<char16_t>(u'0' + i % 10);
  }
  return pairs;
}();

// Writes the value line of a number backwards, ending just before end; returns its start.
char16_t* WriteValueLine(char16_t* end, int64_t value) {
  *--end = u'\n';
  uint64_t rest = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  while (rest >= 100) {
    const std::size_t pair = 2 * (rest % 100);
    rest /= 100;
    *--end = kDigitPairs[pair + 1];
    *--end = kDigitPairs[pair];
  }
  if (rest >= 10) {
    *--end = kDigitPairs[2 * rest + 1];
    *--end = kDigitPairs[2 * rest];
  } else {
    *--end = static_cast<char16_t>(u'0' + rest);
  }
  if (value < 0) *--end = u'-';
  *--end = u'=';
  return end;
}

}  // namespace

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

// The queries write one such unit per run they find, so both value lines go in one append.
ScriptWriter& ScriptWriter::Command2(std::u16string_view name, int64_t first, int64_t second) {
  std::array<char16_t, 2 * kValueLineMax> lines;
  char16_t* const end = lines.data() + lines.size();
  const char16_t* const start = WriteValueLine(WriteValueLine(end, second), first);
  script_.append(start, static_cast<std::size_t>(end - start));
  return Command(name);
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
