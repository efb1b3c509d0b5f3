#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return glyphwright::cli::RunCli(args, glyphwright::cli::BuiltInQueries(),
                                  {std::cin, std::cout, std::cerr});
}
