#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace k9r {

// A script line could not be run; the message says why.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ScriptToken {
  std::string text;
  bool quoted = false;
};

// Splits a script line into words and "quoted texts" (\" and \\ inside
// quotes); a # outside quotes starts a comment.
std::vector<ScriptToken> TokenizeScriptLine(std::string_view line);

}  // namespace k9r
