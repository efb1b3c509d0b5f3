// glyphwright-idl: writes the IDL of Quillet.dll's type library from the member tables, or checks
// that the committed file is what they say.
//   glyphwright-idl --write FILE   (re)writes FILE
//   glyphwright-idl --check FILE   exit 1 when FILE differs
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "type_library_idl.h"

int main(int argc, char** argv) {
  const std::string mode = argc == 3 ? argv[1] : "";
  if (mode != "--write" && mode != "--check") {
    std::cerr << "usage: glyphwright-idl --write|--check FILE\n";
    return 2;
  }
  const std::string idl = glyphwright::TypeLibraryIdl();
  if (mode == "--write") {
    std::ofstream file(argv[2], std::ios::binary);
    file << idl;
    return file ? 0 : 1;
  }
  std::ifstream file(argv[2], std::ios::binary);
  std::ostringstream committed;
  committed << file.rdbuf();
  if (committed.str() != idl) {
    std::cerr << argv[2] << " differs from the member tables\n"
              << "regenerate with: " << argv[0] << " --write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
