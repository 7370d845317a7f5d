#include "cli/ScriptTokens.h"

namespace k9r {

std::vector<ScriptToken> TokenizeScriptLine(std::string_view line) {
  std::vector<ScriptToken> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      ScriptToken token{"", true};
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char q = line[i++];
        if (q == '"') {
          closed = true;
          break;
        }
        if (q == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
          token.text.push_back(line[i++]);
        } else {
          token.text.push_back(q);
        }
      }
      if (!closed) throw ScriptError("a quoted text is not closed");
      tokens.push_back(std::move(token));
    } else {
      ScriptToken token;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') token.text.push_back(line[i++]);
      tokens.push_back(std::move(token));
    }
  }
  return tokens;
}

}  // namespace k9r
