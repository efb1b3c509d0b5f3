// Module GlyphwrightLib, script builders. A script is LF-terminated lines: "=" and a value pushes
// the value, any other line is a command word that pops its operands in push order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace glyphwright {

// Name, LF.
std::u16string MakeCommand(std::u16string_view Name);
// "=", Value, LF.
std::u16string MakeValue(std::u16string_view Value);
// The value line of Value, then the command line of Name.
std::u16string MakeCommand1(std::u16string_view Name, std::u16string_view Value);
// The value lines of First and Second, then the command line of Name.
std::u16string MakeCommand2(std::u16string_view Name, std::u16string_view First,
                            std::u16string_view Second);

// Appends builder results to one script without intermediate strings: the queries write whole
// scripts through it, so a long text costs one growing buffer. Numbers are written in decimal,
// "-" for negatives, no blanks and no leading zeros.
class ScriptWriter {
 public:
  // The lines every query writes most: inline, so a long script is not a call per line.
  ScriptWriter& Command(std::u16string_view name) {
    script_.append(name).push_back(u'\n');
    return *this;
  }
  ScriptWriter& Value(std::u16string_view value) {
    script_.push_back(u'=');
    script_.append(value).push_back(u'\n');
    return *this;
  }
  ScriptWriter& Value(int64_t value);
  ScriptWriter& Command1(std::u16string_view name, std::u16string_view value) {
    return Value(value).Command(name);
  }
  ScriptWriter& Command1(std::u16string_view name, int64_t value);
  ScriptWriter& Command2(std::u16string_view name, std::u16string_view first,
                         std::u16string_view second);
  // The queries write one such unit per run they find: both value lines go in one append.
  ScriptWriter& Command2(std::u16string_view name, int64_t first, int64_t second) {
    std::array<char16_t, 2 * kValueLineMax> lines;
    char16_t* const end = lines.data() + lines.size();
    const char16_t* const start = WriteValueLine(WriteValueLine(end, second), first);
    script_.append(start, static_cast<std::size_t>(end - start));
    return Command(name);
  }
  ScriptWriter& Append(std::u16string_view fragment);
  // Room for a script of about this many code units, so that a long one is not copied as it grows.
  void Reserve(std::size_t codeUnits) { script_.reserve(codeUnits); }

  const std::u16string& Script() const& { return script_; }
  std::u16string Script() && { return std::move(script_); }
  bool Empty() const { return script_.empty(); }
  void Clear() { script_.clear(); }

 private:
  // "=", a sign, 19 digits, LF.
  static constexpr std::size_t kValueLineMax = 22;

  // Writes the value line of a number backwards, ending just before end; answers its start.
  static char16_t* WriteValueLine(char16_t* end, int64_t value) {
    // "00" to "99", so a number is written two digits a step.
    static constexpr std::array<char16_t, 200> kDigitPairs = [] {
      std::array<char16_t, 200> pairs{};
      for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char16_t>(u'0' + i / 10);
        pairs[2 * i + 1] = static_cast<char16_t>(u'0' + i % 10);
      }
      return pairs;
    }();
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

  std::u16string script_;
};

}  // namespace glyphwright
