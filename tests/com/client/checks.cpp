#include "checks.h"

#include <cstdio>

#include "text/utf8.h"

namespace client {
namespace {

int failures = 0;
int checks = 0;
const char* section = "";

std::string Shown(std::u16string_view text) {
  std::string shown;
  for (const char c : Utf8(text)) {
    if (c == '\n') {
      shown += "\\n";
    } else if (c == '\r') {
      shown += "\\r";
    } else if (c == '\t') {
      shown += "\\t";
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace

void Section(const char* name) {
  section = name;
}

bool Check(bool condition, const std::string& what) {
  ++checks;
  if (!condition) {
    ++failures;
    std::printf("FAIL: %s: %s\n", section, what.c_str());
    std::fflush(stdout);
  }
  return condition;
}

bool CheckEqual(std::u16string_view actual, std::u16string_view expected, const std::string& what) {
  return Check(actual == expected,
               what + ": got [" + Shown(actual) + "], expected [" + Shown(expected) + "]");
}

bool CheckEqual(int64_t actual, int64_t expected, const std::string& what) {
  return Check(actual == expected,
               what + ": got " + std::to_string(actual) + ", expected " + std::to_string(expected));
}

bool CheckHresult(HRESULT actual, HRESULT expected, const std::string& what) {
  char text[64];
  std::snprintf(text, sizeof text, ": got 0x%08lX, expected 0x%08lX",
                static_cast<unsigned long>(actual), static_cast<unsigned long>(expected));
  return Check(actual == expected, what + text);
}

int Failures() {
  return failures;
}

int Checks() {
  return checks;
}

std::string Utf8(std::u16string_view text) {
  return glyphwright::Utf16ToUtf8(text);
}

std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

}  // namespace client
