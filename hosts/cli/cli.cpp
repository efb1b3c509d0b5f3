#include "cli/cli.h"

#include <ostream>

#include "automation/automation_error.h"
#include "cli/cli_errors.h"
#include "cli/commands.h"
#include "cli/help.h"

namespace glyphwright::cli {
namespace {

// The exit status of a command that ran to its end.
int Dispatch(std::span<const std::string> args, const QueryRegistry& queries, Streams& streams) {
  if (args.empty()) throw UsageError("no command given");
  const std::string& command = args[0];
  const std::span<const std::string> rest = args.subspan(1);
  // A word after these is a mistyped command line, as it is after every other command's
  // arguments: better said than passed over.
  if ((command == "-h" || command == "--help" || command == "--version") && !rest.empty()) {
    throw UsageError("too many arguments");
  }
  if (command == "-h" || command == "--help") {
    streams.out << GeneralHelp();
  } else if (command == "--version") {
    streams.out << "glyphwright " GLYPHWRIGHT_VERSION "\n";
  } else if (command == "help") {
    if (rest.size() > 1) throw UsageError("too many arguments");
    // "help" is a command of the general help's list, and that list is its help.
    if (rest.empty() || rest[0] == "help" || rest[0] == "--help" || rest[0] == "-h") {
      streams.out << GeneralHelp();
    } else if (const std::string help = CommandHelp(rest[0], queries); !help.empty()) {
      streams.out << help;
    } else {
      throw UsageError("no such command '" + rest[0] + "'");
    }
  } else if (command == "run") {
    RunCommand(rest, streams);
  } else if (command == "script") {
    ScriptCommand(rest, queries, streams);
  } else if (command == "format") {
    FormatCommand(rest, queries, streams);
  } else if (command == "check") {
    return CheckCommand(rest, queries, streams);
  } else if (command == "queries") {
    QueriesCommand(rest, queries, streams);
  } else if (!command.empty() && command.front() == '-') {
    throw UsageError("unknown option '" + command + "'");
  } else {
    throw UsageError("no such command '" + command + "'");
  }
  return kExitOk;
}

// "error N: Description." with the full stop the run time's own texts lack.
std::string ErrorLine(const AutomationError& error) {
  std::string line = "error " + std::to_string(error.Number());
  std::string description = error.what();
  if (description.empty()) return line + ".";
  if (description.back() != '.') description += '.';
  return line + ": " + description;
}

}  // namespace

int RunCli(std::span<const std::string> args, const QueryRegistry& queries, Streams streams) {
  int status = kExitOk;
  try {
    status = Dispatch(args, queries, streams);
  } catch (const UsageError& error) {
    const std::string help = error.Command().empty() ? "glyphwright --help"
                                                     : "glyphwright " + error.Command() + " --help";
    streams.err << "glyphwright: " << error.what() << "\nTry '" << help << "'.\n";
    return kExitUsage;
  } catch (const InputError& error) {
    streams.err << "glyphwright: " << error.what() << '\n';
    return kExitUsage;
  } catch (const NotConvertedError& error) {
    streams.err << "glyphwright: not converted: " << error.what() << '\n';
    return kExitNotConverted;
  } catch (const AutomationError& error) {
    streams.err << "glyphwright: " << ErrorLine(error) << '\n';
    return kExitAutomationError;
  } catch (const std::exception& error) {
    streams.err << "glyphwright: " << error.what() << '\n';
    return kExitAutomationError;
  }
  // Output that did not arrive is a failure, not a success.
  if (!streams.out.flush()) {
    streams.err << "glyphwright: cannot write the output\n";
    return kExitAutomationError;
  }
  return status;
}

}  // namespace glyphwright::cli
