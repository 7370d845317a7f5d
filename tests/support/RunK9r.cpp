#include "RunK9r.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace k9r::testing {

RunResult RunK9r(const std::string& arguments, const std::string& script) {
  // Named after this process: CTest runs tests side by side.
  const std::string prefix = ::testing::TempDir() + "k9r-run-" + std::to_string(getpid());
  const std::string scriptPath = prefix + "-script.txt";
  const std::string errPath = prefix + "-stderr.txt";
  std::ofstream(scriptPath) << script;
  const std::string command = std::string(K9R_BINARY) + " " + arguments + " < " + scriptPath + " 2> " + errPath;
  RunResult result;
  FILE* pipe = popen(command.c_str(), "r");
  std::array<char, 4096> buffer{};
  std::size_t read = 0;
  while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), read);
  result.status = WEXITSTATUS(pclose(pipe));
  std::ifstream errFile(errPath);
  result.err.assign(std::istreambuf_iterator<char>(errFile), {});
  std::remove(scriptPath.c_str());
  std::remove(errPath.c_str());
  return result;
}

}  // namespace k9r::testing
