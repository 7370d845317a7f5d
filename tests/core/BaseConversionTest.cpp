#include "core/BaseConversion.h"

#include <gtest/gtest.h>

namespace k9r {
namespace {

struct BaseCase {
  std::int32_t value;
  std::uint8_t base;
  const char* text;
};

class BaseConversionTest : public ::testing::TestWithParam<BaseCase> {};

TEST_P(BaseConversionTest, ConvertsBothWays) {
  const BaseCase& c = GetParam();
  EXPECT_EQ(ToBaseString(c.value, c.base), c.text);
  EXPECT_EQ(FromBaseString(c.text, c.base), c.value);
}

INSTANTIATE_TEST_SUITE_P(Cases, BaseConversionTest,
                         ::testing::Values(BaseCase{0, 2, "0"}, BaseCase{5, 2, "101"}, BaseCase{255, 2, "11111111"},
                                           BaseCase{255, 16, "FF"}, BaseCase{35, 36, "Z"}, BaseCase{36, 36, "10"},
                                           BaseCase{1000, 10, "1000"}, BaseCase{2147483647, 16, "7FFFFFFF"}));

TEST(FromBaseStringTest, LeadingZerosCount) {
  EXPECT_EQ(FromBaseString("00000101", 2), 5);
  EXPECT_EQ(FromBaseString("11111111", 2), 255);
}

TEST(FromBaseStringTest, LowerCaseLettersAreNotFolded) {
  // 'a' is 97 - 55 = 42, as the loader code has always read it.
  EXPECT_EQ(FromBaseString("a", 16), 42);
}

TEST(BitPatternTest, PadsToEightDigits) {
  EXPECT_EQ(BitPattern(0), "00000000");
  EXPECT_EQ(BitPattern(0x0A), "00001010");
  EXPECT_EQ(BitPattern(0xFF), "11111111");
}

}  // namespace
}  // namespace k9r
