#include "cli/options.h"

#include <algorithm>

#include "cli/cli_errors.h"

namespace glyphwright::cli {

bool ParsedOptions::Has(std::string_view name) const {
  return std::any_of(options.begin(), options.end(),
                     [&](const auto& option) { return option.first == name; });
}

std::optional<std::string> ParsedOptions::Value(std::string_view name) const {
  std::optional<std::string> value;
  for (const auto& [option, given] : options) {
    if (option == name) value = given;
  }
  return value;
}

std::vector<std::string> ParsedOptions::Values(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& [option, given] : options) {
    if (option == name) values.push_back(given);
  }
  return values;
}

ParsedOptions ParseOptions(std::span<const std::string> args, std::span<const OptionRule> rules,
                           const std::string& command) {
  ParsedOptions parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg == "-" || arg.empty() || arg.front() != '-') {
      parsed.positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "-h" || arg == "--help") {
      parsed.help = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const auto rule = std::find_if(rules.begin(), rules.end(),
                                   [&](const OptionRule& s) { return s.name == name; });
    if (rule == rules.end()) {
      throw UsageError("unknown option '" + name + "' for '" + command + "'", command);
    }
    std::string value;
    if (rule->takesValue) {
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        throw UsageError("option '" + name + "' needs a value", command);
      }
    } else if (equals != std::string::npos) {
      throw UsageError("option '" + name + "' takes no value", command);
    }
    if (!rule->repeatable && parsed.Has(name)) {
      throw UsageError("option '" + name + "' is given twice", command);
    }
    parsed.options.emplace_back(name, std::move(value));
  }
  return parsed;
}

std::string_view Choose(std::string_view option, std::string_view value,
                        std::span<const std::string_view> choices, const std::string& command) {
  for (const std::string_view choice : choices) {
    if (choice == value) return choice;
  }
  std::string allowed;
  for (const std::string_view choice : choices) {
    if (!allowed.empty()) allowed += ", ";
    allowed += choice;
  }
  throw UsageError("option '" + std::string(option) + "' takes one of " + allowed + ", not '" +
                       std::string(value) + "'",
                   command);
}

}  // namespace glyphwright::cli
