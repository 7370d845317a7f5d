#include "cli/PrintCommand.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <vector>

namespace k9r {

namespace {

constexpr const char* kPrintTool = "k9r-print";

std::filesystem::path PrintToolPath(const char* argv0) {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) self = std::filesystem::absolute(argv0, error);
  return self.parent_path() / kPrintTool;
}

}  // namespace

int RunPrintCommand(int argc, char** argv) {
  const std::filesystem::path tool = PrintToolPath(argv[0]);
  std::vector<char*> arguments{const_cast<char*>(kPrintTool)};
  for (int i = 2; i < argc; ++i) arguments.push_back(argv[i]);
  arguments.push_back(nullptr);
  execv(tool.c_str(), arguments.data());
  std::cerr << "k9r print: cannot start " << tool.string() << ": " << std::strerror(errno) << "\n";
  return 2;
}

}  // namespace k9r
