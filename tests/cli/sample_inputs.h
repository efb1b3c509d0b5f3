// Inputs the command tests share: the bundled samples and long generated texts.
#pragma once

#include <cstddef>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace glyphwright::cli::samples {

// Lines of formulas, ions and names, with characters beyond the first plane, full-width forms
// and CR paragraph ends, repeated to at least atLeast code units.
inline std::u16string ManyLines(std::size_t atLeast) {
  constexpr std::u16string_view kLines[] = {
      u"[Fe(CN)6]3- HC#CH*H2O SO42- Fe2+\n",
      u"(2S,3R)-N-tert-butyl-D-threonine o-xylene\n",
      u"\U0001D6FC-D-glucose \u03B4 H\uFF12O \U0001F600CO32-\r",
      u"t-BuOH Ca(OH)2 NH4+ \u20AC\n",
  };
  std::u16string text;
  for (std::size_t line = 0; text.size() < atLeast; ++line) text += kLines[line % 4];
  return text;
}

inline std::string Slurp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// Unescapes the sample table's \t, \r and \n.
inline std::string SampleText(const std::string& field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 1 < field.size()) {
      const char next = field[++i];
      text += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
    } else {
      text += field[i];
    }
  }
  return text;
}

// One row of the bundled sample table: a query alias, its text and its NAME=VALUE settings.
struct SampleRow {
  std::string line;
  std::string alias;
  std::string text;
  std::vector<std::string> settings;
};

// The rows of the table, comments and blank lines left out; a row of fewer than two fields
// has an empty alias.
inline std::vector<SampleRow> SampleRows(const std::string& table) {
  std::vector<SampleRow> rows;
  std::istringstream lines(table);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      fields.push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    if (fields.size() < 2) {
      rows.push_back({line, "", "", {}});
      continue;
    }
    rows.push_back({line, fields[0], SampleText(fields[1]),
                    std::vector<std::string>(fields.begin() + 2, fields.end())});
  }
  return rows;
}

}  // namespace glyphwright::cli::samples
