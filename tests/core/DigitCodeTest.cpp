#include "core/DigitCode.h"

#include <gtest/gtest.h>

#include <bitset>

namespace k9r {
namespace {

TEST(DigitCodeTest, TableIsLinearOverExclusiveOr) {
  for (int digit = 0; digit < 16; ++digit) {
    int expected = 0;
    if (digit & 8) expected ^= 0x96;
    if (digit & 4) expected ^= 0x55;
    if (digit & 2) expected ^= 0x33;
    if (digit & 1) expected ^= 0x0F;
    EXPECT_EQ(CodeByteOfDigit(digit), expected) << digit;
    for (int other = 0; other < digit; ++other) {
      EXPECT_GE(std::bitset<8>(static_cast<unsigned>(CodeByteOfDigit(digit) ^ CodeByteOfDigit(other))).count(), 4u);
    }
  }
}

TEST(DigitCodeTest, DecodesOnlyExactUpperCaseCodeBytes) {
  EXPECT_EQ(DigitOfCodeByteText("33"), '2');
  EXPECT_EQ(DigitOfCodeByteText("C3"), 'C');
  EXPECT_EQ(DigitOfCodeByteText("00"), '0');
  EXPECT_EQ(DigitOfCodeByteText("FF"), 'F');
  EXPECT_EQ(DigitOfCodeByteText("c3"), std::nullopt);
  EXPECT_EQ(DigitOfCodeByteText("34"), std::nullopt);
  EXPECT_EQ(DigitOfCodeByteText("F"), std::nullopt);
  EXPECT_EQ(DigitOfCodeByteText(""), std::nullopt);
}

TEST(ProductionDateTextTest, ShowsMonthDayFullYear) {
  const std::pair<const char*, const char*> cases[] = {
      {"0C 1F 0C", "12/31/2012"}, {"0C 1F 09", "12/31/2009"}, {"01 02 9", "1/2/2009"},
      {"FF FF FF", "255/255/255"}, {"03 04 F2", "3/4/242"},   {"0A 0B 00", "10/11/2000"},
  };
  for (const auto& [bytes, shown] : cases) EXPECT_EQ(ProductionDateText(bytes), shown) << bytes;
}

TEST(ProductionDateTextTest, ShortTextsDoNotCrash) {
  EXPECT_EQ(ProductionDateText(""), "0/0/0");
  EXPECT_EQ(ProductionDateText("0C"), "12/0/0");
}

}  // namespace
}  // namespace k9r
