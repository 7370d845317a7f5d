// k9r: the setup tool without a window, for scripts, batch work and tests.
#include <fstream>
#include <iostream>
#include <string>

#include "cli/LinkCommand.h"
#include "cli/PrintCommand.h"
#include "cli/ScriptRunner.h"
#include "cli/UnitCommand.h"
#include "files/ProgramSettings.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: k9r script [FILE|-] [--codepage NAME] [--settings DIR]\n"
         "                                run a script of window actions (see README); setup and\n"
         "                                language files in code page NAME (default: setupCODEPAGE.txt,\n"
         "                                else WINDOWS-1252), settings files in DIR (default: beside\n"
         "                                the program, or ~/.config/k9r-setup where that is read-only)\n"
         "       k9r print [--window] --pdf OUT.pdf [--script FILE|-] [--landscape]\n"
         "                                print the window into a PDF (k9r print --help)\n"
         "       k9r read --port PORT|--demo [--json]\n"
         "                                read a unit and decode it as the window does (k9r read --help)\n"
         "       k9r write --port PORT|--demo --image FILE [--yes]\n"
         "                                write an image into a unit as the window does\n"
         "       k9r link read|write ...  read or write a unit through the device link alone\n";
}

int RunScript(int argc, char** argv) {
  std::string source = "-";
  k9r::ProgramSettings settings(k9r::DefaultSettingsFolders());
  std::string codePage;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    if ((argument == "--codepage" || argument == "--settings") && i + 1 < argc) {
      const std::string value = argv[++i];
      if (argument == "--settings") {
        settings = k9r::ProgramSettings({value, value});
      } else {
        codePage = value;
      }
    } else if (argument.starts_with("--")) {
      PrintUsage(std::cerr);
      return 2;
    } else {
      source = argument;
    }
  }
  if (!codePage.empty() && !settings.OverrideCodePage(codePage)) {
    std::cerr << "k9r: unknown code page " << codePage << "\n";
    return 2;
  }
  k9r::ScriptRunner runner;
  runner.Window().SetSettings(std::move(settings));
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
  if (command == "read" || command == "write") return k9r::RunUnitCommand(argc, argv, std::cin, std::cout, std::cerr);
  if (command == "link") return k9r::RunLinkCommand(argc, argv, std::cout, std::cerr);
  PrintUsage(command == "--help" || command == "-h" ? std::cout : std::cerr);
  return command == "--help" || command == "-h" ? 0 : 2;
}
