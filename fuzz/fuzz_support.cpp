#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <stdlib.h>
#include <unistd.h>

#include "cli/cli.h"
#include "text/utf8.h"

namespace glyphwright::fuzz {

uint8_t FuzzInput::Byte() {
  if (bytes_.empty()) return 0;
  const auto byte = static_cast<uint8_t>(bytes_.back());
  bytes_.remove_suffix(1);
  return byte;
}

std::u16string FuzzInput::RestText() const {
  return DecodeText(bytes_);
}

std::u16string DecodeText(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  while (!bytes.empty()) {
    const std::size_t escape = bytes.find('\xFE');
    text += Utf8OrLatin1ToUtf16(bytes.substr(0, escape));
    if (escape == std::string_view::npos) break;
    bytes.remove_prefix(escape + 1);
    if (bytes.size() < 2) break;
    text.push_back(static_cast<char16_t>((static_cast<uint8_t>(bytes[0]) << 8) |
                                         static_cast<uint8_t>(bytes[1])));
    bytes.remove_prefix(2);
  }
  return text;
}

void Fail(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "\ninvariant broken: %.*s\n%.*s\n", static_cast<int>(what.size()),
               what.data(), static_cast<int>(detail.size()), detail.data());
  std::abort();
}

std::string U8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

bool HasUtf8Form(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t code = text[i];
    if (code >= 0xD800 && code <= 0xDBFF) {
      if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
      ++i;
    } else if (code >= 0xDC00 && code <= 0xDFFF) {
      return false;
    }
  }
  return true;
}

std::optional<std::vector<Unit>> ReadUnits(std::u16string_view script) {
  std::vector<std::u16string_view> lines;
  while (!script.empty()) {
    const std::size_t end = script.find(u'\n');
    if (end == std::u16string_view::npos) return std::nullopt;  // every line ends with LF
    lines.push_back(script.substr(0, end));
    script.remove_prefix(end + 1);
  }
  if (lines.size() % 3 != 0) return std::nullopt;
  std::vector<Unit> units;
  for (std::size_t i = 0; i < lines.size(); i += 3) {
    if (!lines[i].starts_with(u'=') || !lines[i + 1].starts_with(u'=') ||
        lines[i + 2].starts_with(u'=')) {
      return std::nullopt;
    }
    units.push_back({std::u16string(lines[i].substr(1)), std::u16string(lines[i + 1].substr(1)),
                     std::u16string(lines[i + 2])});
  }
  return units;
}

std::optional<int64_t> UnitNumber(std::u16string_view value) {
  bool negative = false;
  if (value.starts_with(u'-')) {
    negative = true;
    value.remove_prefix(1);
  }
  if (value.empty() || value.size() > 18) return std::nullopt;
  if (value.size() > 1 && value.front() == u'0') return std::nullopt;  // no leading zeros
  int64_t number = 0;
  for (const char16_t code : value) {
    if (code < u'0' || code > u'9') return std::nullopt;
    number = number * 10 + (code - u'0');
  }
  if (negative && number == 0) return std::nullopt;  // "-0" is never written
  return negative ? -number : number;
}

void CheckRangeInside(const Unit& unit, std::size_t textLength, std::u16string_view what) {
  const std::optional<int64_t> start = UnitNumber(unit.first);
  const std::optional<int64_t> length = UnitNumber(unit.second);
  const std::string detail = U8(what) + ": " + U8(unit.word) + " at " + U8(unit.first) + ", " +
                             U8(unit.second) + " in a text of " + std::to_string(textLength);
  Check(start && length, "offset and length are plain decimal integers", detail);
  Check(*start >= 0 && *length > 0 && *start + *length <= static_cast<int64_t>(textLength),
        "the range lies inside the text", detail);
}

CliResult RunCli(const std::vector<std::string>& args, std::string_view standardInput) {
  static const cli::QueryRegistry queries = cli::BuiltInQueries();
  std::istringstream in{std::string(standardInput)};
  std::ostringstream out;
  std::ostringstream err;
  CliResult result;
  result.status = cli::RunCli(args, queries, {in, out, err});
  result.out = out.str();
  result.err = err.str();
  return result;
}

std::string CliErrorLine(const AutomationError& error) {
  std::string line = "error " + std::to_string(error.Number());
  std::string description = error.what();
  if (description.empty()) return line + ".";
  if (description.back() != '.') description += '.';
  return line + ": " + description;
}

}  // namespace glyphwright::fuzz

namespace glyphwright::fuzz {
namespace {

// Both application-data folders point at an empty temporary folder, so a prefixes.txt of the
// machine never changes what a target sees.
struct HermeticFolders {
  HermeticFolders() {
    std::string pattern = "/tmp/glyphwright-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    folder = pattern;
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    setenv("XDG_CONFIG_DIRS", folder.c_str(), 1);
  }
  ~HermeticFolders() { rmdir(folder.c_str()); }
  std::string folder;
};

const HermeticFolders kHermeticFolders;

}  // namespace
}  // namespace glyphwright::fuzz

namespace glyphwright::fuzz {
std::u16string U16Number(int64_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}
}  // namespace glyphwright::fuzz
