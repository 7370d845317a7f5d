// Setting the controls from an image: the edge cases of the fixed decoding
// order, and images that must come out of a decode as they went in.
#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "UnitFixture.h"
#include "core/ByteMap.h"
#include "device/DefaultImages.h"
#include "editor/PairEditing.h"
#include "editor/SpecialFunctions.h"
#include "editor/StartF1Keys.h"
#include "editor/TimeLists.h"
#include "files/ImageLine.h"
#include "files/TextFile.h"

namespace k9r {
namespace {

class FieldDecodingTest : public UnitTest {
 protected:
  // The standard unit's default image as this editor shows and stores it.
  void SetUp() override {
    UnitTest::SetUp();
    SetUpperHalf(DefaultRepairImage("C5"));
    Decode();
  }
  void SetUpperHalf(const std::string& hex) {
    for (int i = 0; i < 128; ++i) window.Image().SetCellText(128 + i, hex.substr(2 * static_cast<std::size_t>(i), 2));
  }
  void SetCell(int address, const std::string& text) { window.Image().SetCellText(ImageCellIndex(address), text); }
  // The cells as they stand, as a loaded setup is decoded.
  void Decode() {
    window.State().LOADER_OLD_SETUP = 1;
    Read();
    window.State().LOADER_OLD_SETUP = 0;
  }
  Choice& List(const std::string& name) { return window.Controls().Get<Choice>(name); }
};

TEST_F(FieldDecodingTest, APairsStoredDelayIsShownAndKeptThroughItsPreset) {
  SetCell(0x10A0, "B8");
  SetCell(0x10A1, "00");
  SetCell(0x10AC, "3E");
  Decode();
  EXPECT_EQ(window.Pairs().MODELTYPE_NO(0).Text(), "Mode 1");
  EXPECT_EQ(window.Times().INTL_DelayTime_UP(0).Text(), "1.0");
  EXPECT_EQ(Cell(0x10AC), "3E");
}

TEST_F(FieldDecodingTest, TheInchingPowerOnModeKeepsTheStoredInchingTime) {
  SetCell(0x1090, "02");
  SetCell(0x10BE, "12");
  Decode();
  EXPECT_EQ(List("POWER_ON_MODE").Index(), 2);
  EXPECT_EQ(window.Times().TIME_INCHING().Text(), "0.3");
  EXPECT_EQ(Cell(0x10BE), "12");
}

TEST_F(FieldDecodingTest, APowerOnModeNoUnitHoldsEndsTheDecodeWithItsMessage) {
  window.Times().KeyDelayList(0).Select(3);
  SetCell(0x1090, "03");
  Decode();
  EXPECT_EQ(List("POWER_ON_MODE").Index(), 0);
  EXPECT_EQ(ui.Records().back().text, "1090H ==POWER ON MODE ERROR==");
  EXPECT_EQ(ui.Records().back().title, " K9R Message");
  EXPECT_EQ(ui.Records().back().icon, MessageIcon::Error);
  EXPECT_EQ(window.Times().KeyDelayList(0).Index(), 3) << "the per-key delays come after the power-on mode";
  EXPECT_FALSE(window.Transfer().LastReadDecoded());
  EXPECT_FALSE(ui.Busy());
}

TEST_F(FieldDecodingTest, TheGroupFlagsAreKeptWhateverThePairPresetsWrite) {
  // Pair 3 in Mode 4, whose preset clears the R-key group flag.
  SetCell(0x10A6, "06");
  SetCell(0x10A7, "00");
  SetCell(0x10CE, "01");
  Decode();
  EXPECT_EQ(window.Pairs().MODELTYPE_NO(3).Text(), "Mode 4");
  EXPECT_EQ(Cell(0x10CE), "01");
}

TEST_F(FieldDecodingTest, AReceiverWithoutAutoOffShowsOffWithItsTimeListVisible) {
  SetCell(0x1093, "26");  // position 5 clear
  Decode();
  EXPECT_EQ(List("AUTO_OFF_RX_SW").Index(), 1);
  EXPECT_TRUE(window.Controls().Find("AUTO_OFF_RX_TIMES_BOX")->Visible());
  EXPECT_EQ(Cell(0x1093), "26");
}

TEST_F(FieldDecodingTest, ANonContinuousUnitStaysNonContinuousWhenItsTimerListChanges) {
  // The default image's transmitter count is no row of the table, so the
  // timer list changes and its handler runs.
  List("AUTO_OFF_TX_TIMES").Select(0);
  SetUpperHalf(DefaultRepairImage("C5"));
  Decode();
  EXPECT_EQ(Cell(0x1092), "20");
  EXPECT_EQ(List("TRANSMIT_MODE").Text(), "Non-Continuous");
}

TEST_F(FieldDecodingTest, AContinuousUnitWithoutTimerKeepsItsAutoOffAndPowerOff) {
  // Positions 8/7 = 0/1 (no timer), 4 = 1 (auto-off on), 6 = 1 (Power-Off),
  // decoded by a window that shows Continuous and Enable already.
  List("TRANSMIT_MODE").Select(0);
  List("AUTO_OFF_TX_SW").Select(0);
  SetCell(0x1092, "16");
  SetCell(0x109A, "99");
  SetCell(0x109B, "7B");
  SetCell(0x109C, "00");
  SetCell(0x109D, "A0");
  Decode();
  EXPECT_EQ(Cell(0x1092), "16");
  EXPECT_EQ(List("TRANSMIT_MODE").Text(), "Continuous");
  EXPECT_EQ(List("AUTO_OFF_TX_SW").Text(), "Enable");
  EXPECT_EQ(List("AUTO_OFF_TX_TIMES").Text(), "Not-Execute");
  EXPECT_EQ(List("PASSIVE_ACT").Text(), "Power-Off");
}

TEST_F(FieldDecodingTest, ThreePairsKeepTheirOwnEmergencyStopChoiceBesideABypassedToggleF1Key) {
  // Pairs 2-4 in Mode 24 with pair 2 "Control by EMS"; the F1 key Toggle
  // with "Bypass EMS" stores pair 5's bytes as A6 00 too.
  for (int pair : {2, 3, 4}) {
    SetCell(bytemap::PairFunctionAddress(pair), "26");
    SetCell(bytemap::PairOptionAddress(pair), "00");
  }
  SetCell(0x10AA, "A6");
  SetCell(0x10AB, "00");
  const auto image = Cells();
  Decode();
  EXPECT_EQ(window.Pairs().MODELTYPE_NO(2).Text(), "Mode 24");
  EXPECT_EQ(window.Pairs().CONTROL_FUNC_UD(4).Text(), "Control by EMS");
  EXPECT_EQ(window.Keys().F1_MODE().Text(), "Toggle");
  EXPECT_EQ(window.Keys().CONTROL_FUNC_F1().Text(), "Bypass EMS");
  EXPECT_EQ(Cells(), image);
}

TEST_F(FieldDecodingTest, TheF1KeysDelayFollowsItsModeWhateverTheListShowedBefore) {
  window.Keys().F1_MODE().Select(1);  // Toggle shown before the decode
  SetCell(0x10AA, "A6");              // a Toggle F1 key
  Decode();
  EXPECT_FALSE(window.Keys().ACCDELAY_DOWN_F1().Visible());
  EXPECT_TRUE(window.Keys().CONTROL_FUNC_F1().Visible());
}

// Every image the tests keep decodes, and a second decode changes nothing.
TEST_F(FieldDecodingTest, EveryFixtureImageDecodesToItselfTheSecondTime) {
  std::vector<std::pair<std::string, std::array<std::string, 128>>> images;
  for (const char* file : {"setup/crane7_3.DU3", "setup/allff_3.DU3"}) {
    const auto lines = ReadTextLines(std::string(K9R_TEST_DATA) + "/" + file, "WINDOWS-1252");
    ASSERT_TRUE(lines && !lines->empty()) << file;
    const auto cells = ParseImageLine(lines->back());
    ASSERT_TRUE(cells) << file;
    images.emplace_back(file, *cells);
  }
  std::ifstream startup(std::string(K9R_TEST_DATA) + "/startup-image.txt");
  std::array<std::string, 128> startupCells;
  for (std::string line; std::getline(startup, line);) {
    if (line.empty() || line[0] == '#' || ParseHex(line.substr(0, 4)) < 0x1080) continue;
    const int first = ParseHex(line.substr(0, 4)) - 0x1080;
    for (int i = 0; i < 16; ++i) {
      const std::string cell = line.substr(5 + 3 * static_cast<std::size_t>(i), 2);
      startupCells[static_cast<std::size_t>(first + i)] = cell == "--" ? "" : cell;
    }
  }
  images.emplace_back("startup-image.txt", startupCells);

  for (const auto& [name, cells] : images) {
    for (int i = 0; i < 128; ++i) window.Image().SetCellText(128 + i, cells[static_cast<std::size_t>(i)]);
    Decode();
    const auto once = Cells();
    Decode();
    EXPECT_EQ(Cells(), once) << name;
  }
}

TEST_F(FieldDecodingTest, EveryReadOfAUnitFillsTheLowerHalfWithFF) {
  window.Image().SetCellText(0x20, "12");
  Read();
  for (int cell = 0; cell < 128; ++cell) EXPECT_EQ(window.Image().CellText(cell), "FF") << cell;
}

}  // namespace
}  // namespace k9r
