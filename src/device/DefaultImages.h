#pragma once

#include <string>

namespace k9r {

// The settings block 0x1080-0x10FF that repairs a unit found erased, as 256
// hex digits, chosen by the unit's model byte ("D2" and "F4" are the
// six-pair units).
const std::string& DefaultRepairImage(const std::string& modelByte);

}  // namespace k9r
