// Scripts written as lists of lines, so that expectations read like the script itself.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "text/lib.h"

namespace glyphwright::testing_nmr {

// Each line followed by LF.
inline std::u16string Script(std::initializer_list<std::u16string_view> lines) {
  std::u16string script;
  for (const std::u16string_view line : lines) script.append(line).push_back(u'\n');
  return script;
}

inline std::u16string Script(const std::vector<std::u16string>& lines) {
  std::u16string script;
  for (const std::u16string& line : lines) script.append(line).push_back(u'\n');
  return script;
}

// The lines of a script without the empty piece behind its last LF.
inline std::vector<std::u16string> Lines(std::u16string_view script) {
  std::vector<std::u16string> lines = SplitText(script, u"\n");
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

}  // namespace glyphwright::testing_nmr
