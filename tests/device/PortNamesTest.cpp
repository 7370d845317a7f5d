#include "device/PortNames.h"

#include <gtest/gtest.h>

namespace k9r {
namespace {

TEST(PortNamesTest, ComNumbersAndDevicePaths) {
  const std::pair<std::string, std::string> cases[] = {
      {"COM1", "/dev/ttyS0"},          {"com3", "/dev/ttyS2"},     {"COM16", "/dev/ttyS15"},
      {"/dev/ttyUSB0", "/dev/ttyUSB0"}, {"/dev/pts/4", "/dev/pts/4"}, {"COM", "COM"},
      {"COM0", "COM0"},                {"COMX", "COMX"},
  };
  for (const auto& [name, device] : cases) EXPECT_EQ(DeviceForPortName(name), device) << name;
}

TEST(PortNamesTest, PortNumberTakesTheListItemOrFallsBackToCom) {
  const std::vector<std::string> list{"COM1", "/dev/ttyUSB0"};
  EXPECT_EQ(DeviceForPortNumber(1, list), "/dev/ttyS0");
  EXPECT_EQ(DeviceForPortNumber(2, list), "/dev/ttyUSB0");
  EXPECT_EQ(DeviceForPortNumber(5, list), "/dev/ttyS4");
}

}  // namespace
}  // namespace k9r
