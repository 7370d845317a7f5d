#pragma once

#include <iosfwd>

namespace k9r {

// `k9r read` and `k9r write`: the window's own Read and Write commands
// against a unit on a port or against the demo unit, without a display.
int RunUnitCommand(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace k9r
