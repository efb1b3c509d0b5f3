#include "cli/help.h"

#include "text/utf8.h"

namespace glyphwright::cli {
namespace {

constexpr std::string_view kInputNote =
    "TEXT absent or \"-\" means all of standard input. Input is UTF-8 and taken verbatim,\n"
    "nothing stripped: a CR is a paragraph mark, a final LF is part of the text.\n";

constexpr std::string_view kExitNote =
    "Exit status: 0 success, 1 automation error (\"glyphwright: error N: Description.\"),\n"
    "2 bad usage or bad input, 3 (nmr-table only) the peak list could not be read,\n"
    "4 (check only) something wrong was found.\n";

constexpr std::string_view kFormsNote =
    "  --to html|text|unicode|json\n"
    "                     output form (default html): HTML with <sub>, <sup>, <i>, <b>;\n"
    "                     the text alone; the text with Unicode sub- and superscript\n"
    "                     characters (H\u2082SO\u2084); JSON runs with their formatting\n"
    "  --from text|html   read TEXT as plain text (default) or as HTML with the tags\n"
    "                     <sub>, <sup>, <i>, <b> and character entities only\n";

}  // namespace

std::string KnownQueries(const QueryRegistry& queries) {
  if (queries.Entries().empty()) return "no queries are built in yet";
  std::string list = "known queries: ";
  bool first = true;
  for (const QueryEntry& entry : queries.Entries()) {
    if (!first) list += ", ";
    first = false;
    list += Utf16ToUtf8(entry.alias) + " (" + Utf16ToUtf8(entry.className) + ")";
  }
  return list;
}

std::string GeneralHelp() {
  return std::string(
             "Usage: glyphwright COMMAND [OPTIONS] [ARGUMENTS]\n"
             "\n"
             "Formats chemical text. A query reads plain text and answers with a command\n"
             "script; the script runs on an in-memory rich-text document, which is printed.\n"
             "\n"
             "Commands:\n"
             "  format QUERY [TEXT]  format TEXT with a query and print the document\n"
             "  script QUERY [TEXT]  print the command script a query writes for TEXT\n"
             "  run SCRIPT [TEXT]    run a command script on TEXT and print the document\n"
             "  check [TEXT]         check the HRMS and analysis values of characterisation data\n"
             "  queries              list the queries, alias and class name\n"
             "  help [COMMAND]       show this help, or the help of a command\n"
             "\n"
             "Options:\n"
             "  -h, --help           show this help\n"
             "  --version            show the version\n"
             "\n") +
         std::string(kInputNote) + std::string(kExitNote) +
         "Run 'glyphwright COMMAND --help' for the options of a command.\n";
}

std::string CommandHelp(std::string_view command, const QueryRegistry& queries) {
  const std::string queryNote =
      "QUERY is an alias or a class name, in any letter case; " + KnownQueries(queries) + ".\n";
  if (command == "format") {
    return "Usage: glyphwright format QUERY [OPTIONS] [TEXT]\n"
           "\n"
           "Asks QUERY for the command script of TEXT, runs it on a document made from\n"
           "TEXT, and prints the document.\n"
           "\n"
           "Options:\n"
           "  --set NAME=VALUE   put a property of the query before it runs (repeatable);\n"
           "                     the value is converted as automation converts text:\n"
           "                     --set ItalicCommand=\"Chemical Italic\", --set Strict=True\n" +
           std::string(kFormsNote) +
           "  --ignore-error     skip the failing steps of the script instead of stopping\n"
           "  -h, --help         show this help\n"
           "\n" +
           queryNote + std::string(kInputNote);
  }
  if (command == "script") {
    return "Usage: glyphwright script QUERY [OPTIONS] [TEXT]\n"
           "\n"
           "Prints exactly the command script that QUERY answers for TEXT.\n"
           "\n"
           "Options:\n"
           "  --set NAME=VALUE   put a property of the query before it runs (repeatable)\n"
           "  --from text|html   read TEXT as plain text (default) or as HTML; the query is\n"
           "                     given the plain text, and asks the formatted document about\n"
           "                     the current sub- and superscripts\n"
           "  -h, --help         show this help\n"
           "\n" +
           queryNote + std::string(kInputNote);
  }
  if (command == "run") {
    return "Usage: glyphwright run [OPTIONS] SCRIPT [TEXT]\n"
           "\n"
           "Runs the command script in the file SCRIPT on a document made from TEXT and\n"
           "prints the document. SCRIPT \"-\" reads the script from standard input; TEXT\n"
           "must then be given as an argument. The script is read verbatim: lines end with\n"
           "LF, and a CR before it belongs to the line.\n"
           "\n"
           "Options:\n"
           "  --ignore-error     skip the failing steps of the script instead of stopping\n" +
           std::string(kFormsNote) +
           "  -h, --help         show this help\n"
           "\n" +
           std::string(kInputNote);
  }
  if (command == "check") {
    return "Usage: glyphwright check [TEXT]\n"
           "\n"
           "Checks the numbers of characterisation data against their formulas: each HRMS\n"
           "'calcd for FORMULA [adduct]charge VALUE ... found VALUE' (calcd within 0.00051,\n"
           "found within 0.0050 or 10 ppm) and each elemental analysis 'Anal. Calcd for\n"
           "FORMULA: C, 73.15; H, 7.37. Found: ...' (calcd within 0.01, found within 0.40).\n"
           "Prints one line 'OFFSET: MESSAGE' per finding, OFFSET the 0-based UTF-16 offset\n"
           "of the number or formula at fault. Exit status 0 when nothing is wrong, 4 when\n"
           "something is.\n"
           "\n"
           "Options:\n"
           "  -h, --help         show this help\n"
           "\n" +
           std::string(kInputNote);
  }
  if (command == "queries") {
    return "Usage: glyphwright queries\n"
           "\n"
           "Lists the queries this program knows, one a line: alias, TAB, class name.\n";
  }
  return {};
}

}  // namespace glyphwright::cli
