#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "editor/EditorDefaults.h"
#include "editor/ModePanel.h"
#include "tests/editor/EditorFixture.h"

namespace k9r {
namespace {

// Reads a cell grid fixture: rows of an address and 16 cells, "--" empty.
std::array<std::string, SetupImage::kCellCount> ReadImageFixture(const std::string& path) {
  std::ifstream file(path);
  EXPECT_TRUE(file) << "cannot open " << path;
  std::array<std::string, SetupImage::kCellCount> cells;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream row(line);
    std::string address;
    row >> address;
    int cell = ImageCellIndex(address);
    for (std::string text; row >> text; ++cell) cells.at(static_cast<std::size_t>(cell)) = text == "--" ? "" : text;
  }
  return cells;
}

class StartupDefaultsTest : public EditorTest {};

TEST_F(StartupDefaultsTest, ImageHoldsExactlyTheDefaultBytes) {
  const auto expected = ReadImageFixture(std::string(K9R_TEST_DATA_DIR) + "/startup-image.txt");
  for (int cell = 0; cell < SetupImage::kCellCount; ++cell) {
    EXPECT_EQ(Window().Image().CellText(cell), expected[static_cast<std::size_t>(cell)])
        << "cell " << AddressText(SetupImage::kFirstAddress + cell);
  }
}

TEST_F(StartupDefaultsTest, ListsShowTheirDefaultItems) {
  struct Shown {
    const char* list;
    const char* text;
  };
  const Shown defaults[] = {
      {"AUTO_OFF_TX_SW", "Enable"},      {"AUTO_OFF_TX_TIMES", "30 sec"},   {"AUTO_OFF_RX_SW", "On"},
      {"AUTO_OFF_RX_TIMES", "Not-Execute"}, {"POWER_ON_MODE", "Normal"},    {"POWER_ON_OFF_SW", "Any-Pushbutton"},
      {"TRANSMIT_MODE", "Continuous"},   {"SAVE_POWER_SW", "Disable"},      {"LED_ON_OFF_SW", "On"},
      {"LED_OFF_TIME", "1.0"},           {"TIME_INCHING", "0.05"},          {"REMOTE_SET_SW", "Enable"},
      {"PASSIVE_EMS_time", "0.5"},       {"PASSIVE_ACT", "Power-Off"},      {"ems_times", "10"},
      {"BATTERY_CONT_SW", "Off"},        {"CHKSUM_SW1", "On"},              {"BATTERY_TIMES", "32"},
      {"R0_KEY_EMS", "Control by EMS"},  {"UP_DELAYTIME", "05"},            {"R6_DELAYTIME", "05"},
      {"F1_MODE", "Normal"},             {"CONTROL_FUNC_F1", "Control by EMS"},
      {"UP_FUNC(0)", "Normal"},          {"DOWN_FUNC(4)", "Normal"},        {"INTERLOCK_UD(2)", "Non-Interlock"},
      {"INTERLOCK_UD(5)", "NON INTERLOCK"}, {"UP_FUNC(5)", "NORMAL"},       {"CONTROL_FUNC_UD(0)", "Control by EMS"},
      {"CONTROL_FUNC_UD(10)", "CONTROL BY EMS"}, {"CONTROL_FUNC_UD(11)", "Control by EMS"},
      {"TIME_ACCDELAY_UP(3)", "0.0"},    {"TIME_ACCDELAY_DN(5)", "0.0"},    {"INTL_DelayTime_UP(1)", "0.0"},
      {"MODELTYPE_NO(0)", ""},           {"LOWER_BATTERY", ""},             {"TIME_ACCDELAY_DN_F1", ""},
      {"AUTO_OFF_EMS_SW", ""},
  };
  for (const Shown& entry : defaults) EXPECT_EQ(List(entry.list).Text(), entry.text) << entry.list;
}

TEST_F(StartupDefaultsTest, DefaultsLeaveTheWindowConsistent) {
  for (const char* hidden : {"R0_KEY_EMS", "INCHINE_TIMES", "CONTROL_FUNC_F1", "SELECT_MODETYPE", "PAIR5_FRAME",
                             "INTERLOCK_DELAY_TIME_UPDN(0)", "Label1(0)", "Label1(73)"}) {
    EXPECT_FALSE(Named(hidden).Visible()) << hidden;
  }
  for (const char* shown : {"AUTO_OFF_TX_TIMES_BOX", "AUTO_OFF_RX_TIMES_BOX", "LED_TIMESBOX", "ACCDELAY_DOWN_F1",
                            "ACCDELAYUP(0)", "ACCDELAY_DOWN(5)", "Label1(20)", "Label1(74)", "F1_MODE"}) {
    EXPECT_TRUE(Named(shown).Visible()) << shown;
  }
  for (int mode : {18, 19, 20, 21, 22, 23}) EXPECT_TRUE(Window().Panel().ModeOffered(mode)) << mode;
  EXPECT_TRUE(Window().Panel().ModeFrame(24).Enabled());
  EXPECT_FALSE(Window().Panel().ModeOffered(24)) << "only the South/North button offers it";
  EXPECT_FALSE(Window().Panel().ModeOffered(25));
}

TEST_F(StartupDefaultsTest, FeatureFlagsOffLeaveTheirModesUnoffered) {
  ScriptedUserInterface ui;
  VirtualClock clock;
  MainWindow window(ui, clock);
  EnableFeatureModes(window);  // flags still 0: nothing is switched on
  for (int mode : {18, 19, 20, 21, 24}) EXPECT_FALSE(window.Panel().ModeOffered(mode)) << mode;
  EXPECT_FALSE(window.Panel().ModeFrame(22).Enabled());
  EXPECT_FALSE(window.Panel().ModeFrame(23).Enabled());
}

TEST_F(StartupDefaultsTest, SecondStartUpRestoresChangedListsAndKeepsOtherCells) {
  List("TIME_INCHING").SelectText("0.8");
  List("SAVE_POWER_SW").SelectText("Enable");
  List("POWER_ON_MODE").SelectText("Toggle");
  SetCell(0x1000, "AB");
  SetCell(0x10AC, "7D");  // its list still shows "0.0"
  SetCell(0x10B2, "7D");

  Window().startup();

  EXPECT_EQ(List("TIME_INCHING").Text(), "0.05");
  EXPECT_EQ(Cell(0x10BE), "03");
  EXPECT_EQ(Cell(0x1093), "E0");
  EXPECT_EQ(Cell(0x1090), "7C");
  EXPECT_EQ(Cell(0x1000), "AB");
  EXPECT_EQ(Cell(0x10AC), "7D") << "a list that already shows its default writes nothing";
  EXPECT_EQ(Cell(0x10B2), "01") << "pair 0's acceleration bytes are always written";
  EXPECT_EQ(List("POWER_ON_OFF_SW").ListCount(), 2);
}

}  // namespace
}  // namespace k9r
