#pragma once

#include <string>

namespace k9r::testing {

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the k9r binary as a user would: the arguments go through the shell,
// the script arrives on standard input.
RunResult RunK9r(const std::string& arguments, const std::string& script);

}  // namespace k9r::testing
