// Option parsing for one subcommand: "--name value" or "--name=value", flags, "-h"/"--help"
// anywhere, "--" before a positional word that begins with "-", and "-" as a positional word
// (standard input).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace glyphwright::cli {

struct OptionRule {
  std::string_view name;  // with its dashes: "--to"
  bool takesValue = false;
  bool repeatable = false;
};

struct ParsedOptions {
  bool help = false;
  // Every option in command-line order, with its value ("" for a flag).
  std::vector<std::pair<std::string, std::string>> options;
  std::vector<std::string> positionals;

  bool Has(std::string_view name) const;
  std::optional<std::string> Value(std::string_view name) const;
  std::vector<std::string> Values(std::string_view name) const;
};

// Raises UsageError (naming the command) for an unknown option, a missing value, a value given
// to a flag, or an option given twice that may be given once.
ParsedOptions ParseOptions(std::span<const std::string> args, std::span<const OptionRule> rules,
                           const std::string& command);

// One of the allowed words, or UsageError naming the option and the choices.
std::string_view Choose(std::string_view option, std::string_view value,
                        std::span<const std::string_view> choices, const std::string& command);

}  // namespace glyphwright::cli
