#pragma once

#include <iosfwd>

namespace k9r {

// `k9r link read|write ...`: the device link alone, on a real port.
int RunLinkCommand(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace k9r
