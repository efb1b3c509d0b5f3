// What every fuzz target shares: reading its options and its text out of the fuzzer's bytes,
// checking invariants (a broken one aborts, so the fuzzer keeps the input), reading the units of
// a formatting script, and running the `glyphwright` command in-process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/automation_error.h"

namespace glyphwright::fuzz {

// The input of one run. Options are taken byte by byte from its end, the text is what is left at
// its front: a seed that is plain text followed by its option bytes stays readable, and a text
// that loses a few bytes to options is still text.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, std::size_t size)
      : bytes_(reinterpret_cast<const char*>(data), size) {}

  // The next option byte, 0 once the input is used up.
  uint8_t Byte();
  bool Flag() { return (Byte() & 1) != 0; }
  // One of the choices; the first when the byte is 0, so a seed without options takes defaults.
  template <class Choices>
  const auto& Pick(const Choices& choices) {
    return choices[Byte() % choices.size()];
  }
  // The rest of the input as bytes, or as text (see DecodeText).
  std::string_view RestBytes() const { return bytes_; }
  std::u16string RestText() const;

 private:
  std::string_view bytes_;
};

// UTF-8 where the bytes are well-formed UTF-8, Latin-1 for any other byte, and 0xFE followed by
// two bytes for one raw UTF-16 code unit (big-endian): the way to reach lone surrogates,
// full-width forms and NUL from a byte string.
std::u16string DecodeText(std::string_view bytes);

// The invariant broken: prints what and the detail and aborts.
[[noreturn]] void Fail(std::string_view what, std::string_view detail = {});
inline void Check(bool holds, std::string_view what, std::string_view detail = {}) {
  if (!holds) Fail(what, detail);
}
std::string U8(std::u16string_view text);

// A text that survives UTF-8 unchanged: one without lone surrogates, which the command line
// cannot be given.
bool HasUtf8Form(std::u16string_view text);

// One "=first", "=second", word unit of a formatting script.
struct Unit {
  std::u16string first;
  std::u16string second;
  std::u16string word;
};
// The units of a script made only of such units; nullopt when it is anything else.
std::optional<std::vector<Unit>> ReadUnits(std::u16string_view script);
// A unit's number, when it is a plain decimal integer as scripts write them.
std::optional<int64_t> UnitNumber(std::u16string_view value);
// Checks that a unit's first value is an offset and its second a length, both plain decimal,
// and that the range lies inside a text of textLength code units, and is not empty.
void CheckRangeInside(const Unit& unit, std::size_t textLength, std::u16string_view what);

// What the `glyphwright` command prints: standard output and standard error, and its exit
// status.
struct CliResult {
  int status = 0;
  std::string out;
  std::string err;
};
CliResult RunCli(const std::vector<std::string>& args, std::string_view standardInput);

// The line the command prints for an automation error, without "glyphwright: ".
std::string CliErrorLine(const AutomationError& error);

}  // namespace glyphwright::fuzz

namespace glyphwright::fuzz {
// A number as decimal text.
std::u16string U16Number(int64_t value);
}  // namespace glyphwright::fuzz
