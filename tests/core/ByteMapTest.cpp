#include "core/ByteMap.h"

#include <gtest/gtest.h>

#include <array>

namespace k9r {
namespace {

using namespace bytemap;

TEST(ByteMapTest, CoversEveryAddressExactlyOnce) {
  std::array<int, 256> owners{};
  for (const Field& field : Fields()) {
    for (int address = field.address; address < field.address + field.size; ++address) {
      ASSERT_GE(address, 0x1000) << field.name;
      ASSERT_LE(address, 0x10FF) << field.name;
      ++owners[static_cast<std::size_t>(address - 0x1000)];
    }
  }
  for (std::size_t i = 0; i < owners.size(); ++i) EXPECT_EQ(owners[i], 1) << "address " << std::hex << 0x1000 + i;
}

TEST(ByteMapTest, PairAddressesInterleaveAsTheUnitKeepsThem) {
  EXPECT_EQ(PairFunctionAddress(0), 0x10A0);
  EXPECT_EQ(PairOptionAddress(5), 0x10AB);
  EXPECT_EQ(InterlockDelayAddress(1), 0x10AD);
  EXPECT_EQ(InterlockDelayAddress(5), 0x10B1);
  EXPECT_EQ(FirstKeyAccDelayAddress(5), 0x10BC);
  EXPECT_EQ(SecondKeyAccDelayAddress(5), 0x10BD);
  EXPECT_EQ(kF1Delay, 0x10BD);
  EXPECT_EQ(KeyDelayAddress(11), 0x10CB);
}

}  // namespace
}  // namespace k9r
