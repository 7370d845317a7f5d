// k9r: the setup tool without a window, for scripts, batch work and tests.
#include <fstream>
#include <iostream>
#include <string>

#include "cli/LinkCommand.h"
#include "cli/PrintCommand.h"
#include "cli/ScriptRunner.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: k9r script [FILE|-]   run a script of window actions (see README)\n"
         "       k9r print [--window] --pdf OUT.pdf [--script FILE|-] [--landscape]\n"
         "                                print the window into a PDF (k9r print --help)\n"
         "       k9r link read|write ...  read or write a unit through the device link alone\n";
}

int RunScript(int argc, char** argv) {
  const std::string source = argc > 2 ? argv[2] : "-";
  k9r::ScriptRunner runner;
  if (source == "-") return runner.Run(std::cin, std::cout, std::cerr);
  std::ifstream file(source);
  if (!file) {
    std::cerr << "k9r: cannot open script " << source << "\n";
    return 2;
  }
  return runner.Run(file, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "script") return RunScript(argc, argv);
  if (command == "print") return k9r::RunPrintCommand(argc, argv);
  if (command == "link") return k9r::RunLinkCommand(argc, argv, std::cout, std::cerr);
  PrintUsage(command == "--help" || command == "-h" ? std::cout : std::cerr);
  return command == "--help" || command == "-h" ? 0 : 2;
}
