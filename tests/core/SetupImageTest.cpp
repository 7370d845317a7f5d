#include "core/SetupImage.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace k9r {
namespace {

TEST(ImageCellIndexTest, MapsBothHalves) {
  EXPECT_EQ(ImageCellIndex(0x1000), 0);
  EXPECT_EQ(ImageCellIndex(0x107F), 127);
  EXPECT_EQ(ImageCellIndex(0x1080), 128);
  EXPECT_EQ(ImageCellIndex(0x10FF), 255);
  EXPECT_EQ(ImageCellIndex("10A0"), 0xA0);
  EXPECT_THROW(ImageCellIndex(0x0FFF), std::out_of_range);
  EXPECT_THROW(ImageCellIndex(0x1100), std::out_of_range);
}

TEST(ReadImageByteTest, ReadsCellTexts) {
  SetupImage image;
  EXPECT_EQ(image.ReadImageByte(0x1090), 0xFF) << "an empty cell is an erased byte";
  image.SetCellText(ImageCellIndex(0x1090), "5");
  EXPECT_EQ(image.ReadImageByte(0x1090), 0x05);
  image.SetCellText(ImageCellIndex(0x1090), "a5");
  EXPECT_EQ(image.ReadImageByte(0x1090), 0xA5);
}

TEST(WriteImageByteTest, WritesTwoUpperCaseDigits) {
  SetupImage image;
  image.WriteImageByte(0x10A0, 0x0A);
  EXPECT_EQ(image.CellText(0xA0), "0A");
  image.WriteImageByte(0x1000, 0xBE);
  EXPECT_EQ(image.CellText(0), "BE");
}

struct BitCase {
  int address;
  const char* before;
  int position;
  int bit;
  const char* after;
};

class SetImageBitTest : public ::testing::TestWithParam<BitCase> {};

TEST_P(SetImageBitTest, ChangesOneBitAndWritesCanonicalText) {
  const BitCase& c = GetParam();
  SetupImage image;
  image.SetCellText(ImageCellIndex(c.address), c.before);
  image.SetImageBit(AddressText(c.address), c.position, c.bit);
  EXPECT_EQ(image.CellText(ImageCellIndex(c.address)), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetImageBitTest,
    ::testing::Values(BitCase{0x10A0, "FF", 8, 0, "FE"}, BitCase{0x10A0, "7F", 1, 1, "FF"},
                      BitCase{0x10A0, "80", 1, 0, "00"}, BitCase{0x1092, "F0", 5, 1, "F8"},
                      BitCase{0x1092, "", 5, 1, "FF"}, BitCase{0x1092, "", 4, 0, "EF"},
                      BitCase{0x1020, "00", 3, 1, "20"}, BitCase{0x1020, "", 8, 0, "FE"},
                      BitCase{0x10FF, "5", 1, 0, "05"}, BitCase{0x10FF, "5", 8, 0, "04"},
                      BitCase{0x10C0, "0a", 2, 1, "4A"}, BitCase{0x10C0, "12", 4, 1, "12"}));

TEST(SetupImageTest, ObserverHearsOnlyRealChanges) {
  SetupImage image;
  std::vector<int> changed;
  image.SetObserver([&](int cell) { changed.push_back(cell); });
  image.WriteImageByte(0x1081, 0x33);
  image.WriteImageByte(0x1081, 0x33);
  image.SetImageBit(0x1081, 1, 0);
  EXPECT_EQ(changed, (std::vector<int>{0x81}));
}

TEST(HexTextTest, ValidatesAndFormats) {
  EXPECT_TRUE(IsHexByteText("a5"));
  EXPECT_TRUE(IsHexByteText("0"));
  EXPECT_FALSE(IsHexByteText(""));
  EXPECT_FALSE(IsHexByteText("123"));
  EXPECT_FALSE(IsHexByteText("G1"));
  EXPECT_EQ(AddressText(0x10A0), "10A0");
  EXPECT_EQ(ByteText(7), "07");
}

}  // namespace
}  // namespace k9r
