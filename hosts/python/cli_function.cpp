#include "cli_function.h"

#include <pybind11/stl.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace py = pybind11;

namespace glyphwright::python {

void DefineCliFunction(py::module_& module) {
  module.def(
      "_run_cli",
      [](const std::vector<std::string>& args) {
        // The command reads and writes the process's standard streams, as the program does;
        // it never calls back into Python, so the interpreter is free meanwhile.
        py::gil_scoped_release free;
        const int status =
            cli::RunCli(args, cli::BuiltInQueries(), {std::cin, std::cout, std::cerr});
        std::cout.flush();
        std::cerr.flush();
        return status;
      },
      py::arg("args"),
      "Runs the glyphwright command with args (bytes, without the program name) on the process's "
      "standard streams and returns its exit status.");
}

}  // namespace glyphwright::python
