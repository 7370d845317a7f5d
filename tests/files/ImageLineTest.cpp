#include <gtest/gtest.h>

#include "files/ImageLine.h"
#include "files/TextFile.h"
#include "TempFolder.h"

namespace k9r {
namespace {

using k9r::testing::Fixture;

ImageFileCells AllCells(const std::string& text) {
  ImageFileCells cells;
  cells.fill(text);
  return cells;
}

std::string Codes(const std::string& text) {
  std::string line;
  for (char c : text) line += (line.empty() ? "" : " ") + std::to_string(static_cast<unsigned char>(c));
  return line;
}

TEST(ImageLineTest, AllFfImageGivesTheLineOfTheFixture) {
  const auto line = BuildImageLine(AllCells("FF"));
  ASSERT_TRUE(line);
  EXPECT_EQ(line->size(), kImageLineLength);
  EXPECT_TRUE(line->starts_with("70 70 32 70 70 32"));
  EXPECT_EQ(*line + "\r\n", k9r::testing::ReadBytes(Fixture("setup/allff_3.DU3")));
}

TEST(ImageLineTest, CellsComeBackInAddressOrder) {
  ImageFileCells cells = AllCells("FF");
  cells[0] = "00";
  cells[1] = "0A";
  cells[127] = "A5";
  const auto line = BuildImageLine(cells);
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->starts_with("48 48 32 48 65 32"));
  EXPECT_EQ(ParseImageLine(*line), cells);
}

struct RefusedImage {
  const char* name;
  std::size_t cell;
  const char* text;
};

class UnsavableImageTest : public ::testing::TestWithParam<RefusedImage> {};

TEST_P(UnsavableImageTest, GivesNoLine) {
  ImageFileCells cells = AllCells("FF");
  cells[GetParam().cell] = GetParam().text;
  EXPECT_EQ(BuildImageLine(cells), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Cells, UnsavableImageTest,
                         ::testing::Values(RefusedImage{"EmptyCell", 5, ""}, RefusedImage{"OneDigit", 0, "5"},
                                           RefusedImage{"LowerCaseD", 127, "dd"},
                                           RefusedImage{"ThreeCharacters", 9, "ABC"}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ImageLineTest, EveryCellEmptyGivesNoLine) { EXPECT_EQ(BuildImageLine(ImageFileCells{}), std::nullopt); }

struct DamagedLine {
  const char* name;
  std::string line;
};

class DamagedImageLineTest : public ::testing::TestWithParam<DamagedLine> {};

TEST_P(DamagedImageLineTest, IsRefused) { EXPECT_EQ(ParseImageLine(GetParam().line), std::nullopt); }

const std::string kAllFf = *BuildImageLine(AllCells("FF"));

INSTANTIATE_TEST_SUITE_P(
    Lines, DamagedImageLineTest,
    ::testing::Values(DamagedLine{"Empty", ""}, DamagedLine{"Truncated", kAllFf.substr(0, 600)},
                      DamagedLine{"OneCodeShort", kAllFf.substr(0, kAllFf.size() - 3)},
                      DamagedLine{"NotANumber", "7x " + kAllFf.substr(3)},
                      DamagedLine{"NoCharacter", "700 " + kAllFf.substr(3)},
                      DamagedLine{"NegativeCode", "-70 " + kAllFf.substr(3)},
                      DamagedLine{"DoubleSpace", "70  " + kAllFf.substr(3)},
                      DamagedLine{"NotHex", Codes("GG") + " " + kAllFf.substr(6)},
                      DamagedLine{"PairsOutOfStep", Codes("F FFF ") + " " + kAllFf.substr(18)},
                      DamagedLine{"TooLong", kAllFf + " 32 70 70"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ImageLineTest, ToleratesWhatSurroundsAGoodLine) {
  EXPECT_EQ(ParseImageLine(kAllFf + "\r"), AllCells("FF"));
  EXPECT_EQ(ParseImageLine("32 " + kAllFf + " 32"), AllCells("FF")) << "blanks around the image text";
  ImageFileCells lower = AllCells("FF");
  lower[3] = "ab";
  ImageFileCells upper = AllCells("FF");
  upper[3] = "AB";
  std::string text;
  for (const auto& cell : lower) text += cell + " ";
  text.pop_back();
  EXPECT_EQ(ParseImageLine(Codes(text)), upper) << "a lower-case cell is stored canonical";
}

TEST(ImageLineTest, FixtureImageParses) {
  const auto lines = ReadTextLines(Fixture("setup/crane7_3.DU3"), "WINDOWS-1252");
  ASSERT_TRUE(lines);
  const auto cells = ParseImageLine(lines->back());
  ASSERT_TRUE(cells);
  EXPECT_EQ((*cells)[0x20], "B8");
  EXPECT_EQ((*cells)[0x7F], "A5");
}

}  // namespace
}  // namespace k9r
