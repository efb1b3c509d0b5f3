// The help texts.
#pragma once

#include <string>
#include <string_view>

#include "cli/query_registry.h"

namespace glyphwright::cli {

std::string GeneralHelp();
// The help of one subcommand; empty for a name that is none.
std::string CommandHelp(std::string_view command, const QueryRegistry& queries);
// "formula (ChemFormulaQuery), ion (IonFormulaQuery)", or a note that there are none.
std::string KnownQueries(const QueryRegistry& queries);

}  // namespace glyphwright::cli
