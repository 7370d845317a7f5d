#include "editor/SpecialFunctions.h"

#include <gtest/gtest.h>

#include "core/SetupImage.h"
#include "editor/PairEditing.h"
#include "editor/StartF1Keys.h"
#include "editor/TimeLists.h"
#include "tests/editor/EditorFixture.h"

namespace k9r {
namespace {

class SpecialFunctionsTest : public EditorTest {
 protected:
  SpecialFunctions& Specials() { return Window().Specials(); }
  int Byte(int address) { return Window().Image().ReadImageByte(address); }
  void SetByte(int address, int value) { Window().Image().WriteImageByte(address, value); }
  bool Shown(std::string_view name) { return Named(name).Visible(); }

  // The switch-byte rules in the order the image decoder applies them.
  void DecodeSwitchByte(int value) {
    SetByte(0x1092, value);
    Specials().DecodePowerSwitchByEuBit(value);
    Specials().DecodeTransmitMode(value);
    Specials().DecodePowerSwitch(value);
    Specials().DecodeTxAutoOffSwitch(value);
    Specials().DecodeLowerBattery(value);
    Specials().DecodePassiveAct(value);
    Specials().DecodeTransmitMode(value);
  }
};

// Selecting `item` writes `bits` under `mask` of `address` and no other bit.
struct BitCase {
  const char* list;
  int item;
  int address;
  int mask;
  int bits;
};

class SwitchBitTest : public SpecialFunctionsTest, public ::testing::WithParamInterface<BitCase> {};

TEST_P(SwitchBitTest, WritesItsBitsOnly) {
  const BitCase& c = GetParam();
  Choice& list = List(c.list);
  list.Select(c.item == 0 ? 1 : 0);
  for (int others : {0x00, 0xFF}) {
    const int before = (others & ~c.mask) | (~c.bits & c.mask);
    SetByte(c.address, before);
    list.Select(c.item == 0 ? 1 : 0);
    SetByte(c.address, before);
    list.Select(c.item);
    EXPECT_EQ(Byte(c.address), (before & ~c.mask) | c.bits) << c.list << " item " << c.item;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, SwitchBitTest,
    ::testing::Values(BitCase{"POWER_ON_OFF_SW", 0, 0x1092, 0x60, 0x00}, BitCase{"POWER_ON_OFF_SW", 1, 0x1092, 0x60, 0x20},
                      BitCase{"AUTO_OFF_TX_SW", 0, 0x1092, 0x10, 0x10}, BitCase{"AUTO_OFF_TX_SW", 1, 0x1092, 0x10, 0x00},
                      BitCase{"LOWER_BATTERY", 0, 0x1092, 0x08, 0x00}, BitCase{"LOWER_BATTERY", 1, 0x1092, 0x08, 0x08},
                      BitCase{"PASSIVE_ACT", 0, 0x1092, 0x04, 0x04}, BitCase{"PASSIVE_ACT", 1, 0x1092, 0x04, 0x00},
                      BitCase{"SAVE_POWER_SW", 0, 0x1093, 0x10, 0x00}, BitCase{"SAVE_POWER_SW", 1, 0x1093, 0x10, 0x10},
                      BitCase{"AUTO_OFF_RX_SW", 0, 0x1093, 0x08, 0x08}, BitCase{"AUTO_OFF_RX_SW", 1, 0x1093, 0x08, 0x00},
                      BitCase{"REMOTE_SET_SW", 0, 0x1093, 0x06, 0x00}, BitCase{"REMOTE_SET_SW", 1, 0x1093, 0x06, 0x06},
                      BitCase{"BATTERY_CONT_SW", 0, 0x1093, 0x01, 0x01}, BitCase{"BATTERY_CONT_SW", 1, 0x1093, 0x01, 0x00},
                      BitCase{"LED_ON_OFF_SW", 0, 0x1093, 0x20, 0x20}, BitCase{"LED_ON_OFF_SW", 1, 0x1093, 0x20, 0x00},
                      BitCase{"POWER_ON_MODE", 0, 0x1090, 0x83, 0x00}, BitCase{"POWER_ON_MODE", 2, 0x1090, 0x83, 0x02}));

TEST_F(SpecialFunctionsTest, ToggleKeepsTheStartKeyBitUntilTheStartKeyListChanges) {
  List("POWER_ON_MODE").Select(1);
  SetByte(0x1090, 0x81);
  List("POWER_ON_MODE").Select(0);
  EXPECT_EQ(Byte(0x1090), 0x00);
  List("POWER_ON_MODE").Select(1);
  EXPECT_EQ(Byte(0x1090), 0x01);
  EXPECT_TRUE(Shown("R0_KEY_EMS"));
  List("R0_KEY_EMS").Select(1);
  EXPECT_EQ(Byte(0x1090), 0x81);
}

TEST_F(SpecialFunctionsTest, NonContinuousSwitchesAutoOffAndPowerOffAway) {
  ASSERT_EQ(List("PASSIVE_ACT").Text(), "Power-Off");
  SetByte(0x1092, 0xFF);
  List("TRANSMIT_MODE").SelectText("Non-Continuous");
  EXPECT_EQ(Byte(0x1092), 0xFF & ~(0x01 | 0x02 | 0x04 | 0x10));
  EXPECT_EQ(List("PASSIVE_ACT").Text(), "Relay-Off");
  EXPECT_FALSE(Shown("AUTO_OFF_TX_TIMES_BOX"));
  EXPECT_EQ(List("AUTO_OFF_TX_SW").Text(), "Enable") << "the switch list keeps its item";
}

TEST_F(SpecialFunctionsTest, PowerOffIsRefusedWhileNotContinuous) {
  List("TRANSMIT_MODE").SelectText("Non-Continuous");
  SetByte(0x1092, 0x00);
  List("PASSIVE_ACT").SelectText("Power-Off");
  EXPECT_EQ(List("PASSIVE_ACT").Text(), "Relay-Off");
  EXPECT_EQ(Byte(0x1092) & 0x04, 0);
}

TEST_F(SpecialFunctionsTest, ContinuousRunsTheTimerHandler) {
  List("TRANSMIT_MODE").SelectText("Non-Continuous");
  List("AUTO_OFF_TX_TIMES").SelectText("Not-Execute");
  SetByte(0x1092, 0x00);
  for (int address = 0x109A; address <= 0x109D; ++address) SetCell(address, "");
  List("TRANSMIT_MODE").SelectText("Continuous");
  EXPECT_EQ(Byte(0x1092) & 0x03, 0x02) << "timer off: position 7 set, position 8 cleared";
  EXPECT_EQ(Cell(0x109A) + Cell(0x109B) + Cell(0x109C) + Cell(0x109D), "997B00A0");
  EXPECT_TRUE(Shown("AUTO_OFF_TX_TIMES_BOX"));
}

class InchingModeTest : public SpecialFunctionsTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(InchingModeTest, ThreeSpeedAndDigitalModesForceInching) {
  const auto [pair, modeItem] = GetParam();
  SetByte(0x1090, 0x00);
  SetCell(0x10BE, "");
  Window().Pairs().MODELTYPE_NO(pair).Select(modeItem);
  List("POWER_ON_MODE").SelectText("Toggle");
  EXPECT_EQ(List("POWER_ON_MODE").Text(), "Inching / Acceleration");
  EXPECT_EQ(Byte(0x1090), 0x02);
  EXPECT_EQ(Cell(0x10BE), "1F");
  EXPECT_EQ(Window().Times().TIME_INCHING().Text(), "0.5");
  EXPECT_TRUE(Shown("INCHINE_TIMES"));
  EXPECT_FALSE(Shown("R0_KEY_EMS"));
}

INSTANTIATE_TEST_SUITE_P(PairsZeroToFour, InchingModeTest,
                         ::testing::Values(std::pair{0, 13}, std::pair{1, 12}, std::pair{2, 14}, std::pair{3, 13},
                                           std::pair{4, 12}));

TEST_F(SpecialFunctionsTest, PairFiveDoesNotForceInching) {
  Window().Pairs().MODELTYPE_NO(5).SelectText("Mode 14");
  Window().Pairs().MODELTYPE_NO(0).SelectText("Mode 12");
  List("POWER_ON_MODE").SelectText("Toggle");
  EXPECT_EQ(List("POWER_ON_MODE").Text(), "Toggle");
  EXPECT_FALSE(Shown("INCHINE_TIMES"));
}

TEST_F(SpecialFunctionsTest, LedOffKeepsTheOffTimeWord) {
  Window().Times().LED_OFF_TIME().SelectText("2.0");
  List("LED_ON_OFF_SW").SelectText("Off");
  EXPECT_EQ(Byte(0x1093) & 0x20, 0);
  EXPECT_EQ(Cell(0x109E) + Cell(0x109F), "803E");
  EXPECT_FALSE(Shown("LED_TIMESBOX"));

  List("LED_ON_OFF_SW").SelectText("On");
  EXPECT_EQ(Byte(0x1093) & 0x20, 0x20);
  EXPECT_EQ(Window().Times().LED_OFF_TIME().Text(), "1.0");
  EXPECT_EQ(Cell(0x109E) + Cell(0x109F), "401F");
  EXPECT_TRUE(Shown("LED_TIMESBOX"));
}

TEST_F(SpecialFunctionsTest, ReceiverTimerNotExecuteSwitchesAutoOffOffBehindTheSwitch) {
  List("AUTO_OFF_RX_TIMES").SelectText("2 hour");
  EXPECT_EQ(Byte(0x1093) & 0x08, 0x08);
  List("AUTO_OFF_RX_TIMES").SelectText("Not-Execute");
  EXPECT_EQ(Byte(0x1093) & 0x08, 0);
  EXPECT_EQ(List("AUTO_OFF_RX_SW").Text(), "On");
}

TEST_F(SpecialFunctionsTest, ReceiverSwitchShowsAndHidesTheTimer) {
  List("AUTO_OFF_RX_SW").SelectText("Off");
  EXPECT_FALSE(Shown("AUTO_OFF_RX_TIMES_BOX"));
  List("AUTO_OFF_RX_SW").SelectText("On");
  EXPECT_TRUE(Shown("AUTO_OFF_RX_TIMES_BOX"));
}

struct AutoOffRow {
  const char* item;
  const char* bytes;
};

constexpr AutoOffRow kTxRows[] = {
    {"30 sec", "040080A9"}, {"1   min", "08000053"}, {"90 sec", "0B0080FC"}, {"2   min", "0F0000A6"},
    {"3   min", "160000F9"}, {"5   min", "2500009F"}, {"10 min", "4A00003E"}, {"Not-Execute", "997B00A0"},
};
constexpr AutoOffRow kRxRows[] = {
    {"10 min", "0100AABB"}, {"20 min", "0200406E"}, {"30 min", "03006025"}, {"1 hour", "0500C04A"},
    {"2 hour", "09008095"}, {"3 hour", "0D0040E0"}, {"4 hour", "1200002B"}, {"Not-Execute", "00010000"},
};

TEST_F(SpecialFunctionsTest, TransmitterTimerWritesItsRowAndModeBits) {
  for (const AutoOffRow& row : kTxRows) {
    ASSERT_TRUE(List("AUTO_OFF_TX_TIMES").SelectText(row.item)) << row.item;
    EXPECT_EQ(Cell(0x109A) + Cell(0x109B) + Cell(0x109C) + Cell(0x109D), row.bytes) << row.item;
    const bool timerOff = std::string_view(row.item) == "Not-Execute";
    EXPECT_EQ(Byte(0x1092) & 0x03, timerOff ? 0x02 : 0x01) << row.item;
  }
}

TEST_F(SpecialFunctionsTest, ReceiverTimerWritesItsRowAndAutoOffBit) {
  for (const AutoOffRow& row : kRxRows) {
    ASSERT_TRUE(List("AUTO_OFF_RX_TIMES").SelectText(row.item)) << row.item;
    EXPECT_EQ(Cell(0x1096) + Cell(0x1097) + Cell(0x1098) + Cell(0x1099), row.bytes) << row.item;
    const bool timerOff = std::string_view(row.item) == "Not-Execute";
    EXPECT_EQ(Byte(0x1093) & 0x08, timerOff ? 0 : 0x08) << row.item;
  }
}

TEST_F(SpecialFunctionsTest, AutoOffDecodersFindTheirRows) {
  for (const AutoOffRow& row : kTxRows) {
    Specials().ShowTxAutoOffTimes(row.bytes);
    EXPECT_EQ(List("AUTO_OFF_TX_TIMES").Text(), row.item);
  }
  for (const AutoOffRow& row : kRxRows) {
    Specials().ShowRxAutoOffTimes(row.bytes);
    EXPECT_EQ(List("AUTO_OFF_RX_TIMES").Text(), row.item);
  }
}

TEST_F(SpecialFunctionsTest, AutoOffBytesWithoutARowShowTheDefaultsAndStoreThem) {
  List("AUTO_OFF_TX_TIMES").SelectText("30 sec");
  Specials().ShowTxAutoOffTimes("12345678");
  EXPECT_EQ(List("AUTO_OFF_TX_TIMES").Text(), "3   min");
  EXPECT_EQ(Cell(0x109A) + Cell(0x109B) + Cell(0x109C) + Cell(0x109D), "160000F9");

  List("AUTO_OFF_RX_TIMES").SelectText("1 hour");
  // The rule would give 01 00 20 B7 for ten minutes; units use 01 00 AA BB.
  Specials().ShowRxAutoOffTimes("010020B7");
  EXPECT_EQ(List("AUTO_OFF_RX_TIMES").Text(), "Not-Execute");
  EXPECT_EQ(Cell(0x1096) + Cell(0x1097) + Cell(0x1098) + Cell(0x1099), "00010000");
}

TEST_F(SpecialFunctionsTest, EmsTimesStoresAndDecodesEveryCount) {
  Choice& list = List("ems_times");
  ASSERT_EQ(list.ListCount(), 26);
  for (int item = 0; item < list.ListCount(); ++item) {
    list.Select(item);
    const std::string stored = ByteText(std::stoi(list.Text()));
    EXPECT_EQ(Cell(0x1095), stored);
    list.Select(item == 0 ? 1 : 0);
    Specials().DecodeEmsTimes(stored);
    EXPECT_EQ(list.Index(), item) << stored;
  }
  list.SelectText("100");
  EXPECT_EQ(Cell(0x1095), "64");
  list.SelectText("5");
  EXPECT_EQ(Cell(0x1095), "05");
}

TEST_F(SpecialFunctionsTest, UnknownEmsTimesShowFive) {
  for (const char* stored : {"0B", "00", "FF", "0a", ""}) {
    List("ems_times").SelectText("250");
    Specials().DecodeEmsTimes(stored);
    EXPECT_EQ(List("ems_times").Text(), "5") << stored;
    EXPECT_EQ(Cell(0x1095), "05");
  }
}

struct PowerOnCase {
  const char* stored;
  int mode;
  int startKeyEms;
};

TEST_F(SpecialFunctionsTest, PowerOnModeRule) {
  const PowerOnCase cases[] = {{"00", 0, 0}, {"80", 0, 0}, {"01", 1, 0}, {"81", 1, 1}, {"02", 2, 0}, {"82", 2, 0}};
  for (const PowerOnCase& c : cases) {
    List("POWER_ON_MODE").Select(c.mode == 1 ? 2 : 1);
    ASSERT_TRUE(Specials().DecodePowerOnMode(c.stored)) << c.stored;
    EXPECT_EQ(List("POWER_ON_MODE").Index(), c.mode) << c.stored;
    EXPECT_EQ(List("R0_KEY_EMS").Index(), c.startKeyEms) << c.stored;
  }
}

TEST_F(SpecialFunctionsTest, PowerOnModeRuleRefusesOtherBytes) {
  List("POWER_ON_MODE").SelectText("Toggle");
  for (const char* stored : {"03", "04", "FF", "2", ""}) {
    EXPECT_FALSE(Specials().DecodePowerOnMode(stored)) << stored;
    EXPECT_EQ(List("POWER_ON_MODE").Text(), "Toggle");
  }
}

struct SwitchByteCase {
  int stored;
  const char* powerSwitch;
  const char* transmitMode;
  const char* txAutoOff;
  const char* lowBattery;
  const char* passiveAct;
};

TEST_F(SpecialFunctionsTest, SwitchByteRules) {
  const SwitchByteCase cases[] = {
      {0x00, "Any-Pushbutton", "Non-Continuous", "Disable", "Continuous", "Relay-Off"},
      {0x11, "Any-Pushbutton", "Continuous", "Enable", "Continuous", "Relay-Off"},
      {0x2D, "Start-Pushbutton / Key", "Continuous", "Disable", "Off", "Power-Off"},
      {0x12, "Any-Pushbutton", "Continuous", "Enable", "Continuous", "Relay-Off"},
      // Continuous without the timer, from a list that showed Non-Continuous:
      // Power-Off is refused only while the list shows Non-Continuous.
      {0x16, "Any-Pushbutton", "Continuous", "Enable", "Continuous", "Power-Off"},
  };
  for (const SwitchByteCase& c : cases) {
    DecodeSwitchByte(c.stored);
    EXPECT_EQ(List("POWER_ON_OFF_SW").Text(), c.powerSwitch) << std::hex << c.stored;
    EXPECT_EQ(List("TRANSMIT_MODE").Text(), c.transmitMode) << std::hex << c.stored;
    EXPECT_EQ(List("AUTO_OFF_TX_SW").Text(), c.txAutoOff) << std::hex << c.stored;
    EXPECT_EQ(List("LOWER_BATTERY").Text(), c.lowBattery) << std::hex << c.stored;
    EXPECT_EQ(List("PASSIVE_ACT").Text(), c.passiveAct) << std::hex << c.stored;
  }
}

TEST_F(SpecialFunctionsTest, UnitByteRules) {
  SetCell(0x109E, "A0");
  SetCell(0x109F, "0F");
  for (int stored : {0x00, 0x3F}) {
    Specials().DecodeLedSwitch(stored);
    Specials().DecodeSavePower(stored);
    Specials().DecodeRxAutoOffSwitch(stored);
    Specials().DecodeRemoteSet(stored);
    Specials().DecodeBatteryControl(stored);
    const bool set = stored != 0;
    EXPECT_EQ(List("LED_ON_OFF_SW").Text(), set ? "On" : "Off");
    EXPECT_EQ(Shown("LED_TIMESBOX"), set);
    EXPECT_EQ(List("SAVE_POWER_SW").Text(), set ? "Enable" : "Disable");
    EXPECT_EQ(List("AUTO_OFF_RX_SW").Text(), set ? "On" : "Off");
    EXPECT_TRUE(Shown("AUTO_OFF_RX_TIMES_BOX")) << "the receiver timer stays visible after a decode";
    EXPECT_EQ(List("REMOTE_SET_SW").Text(), set ? "Disable" : "Enable");
    EXPECT_EQ(List("BATTERY_CONT_SW").Text(), set ? "On" : "Off");
  }
  EXPECT_EQ(Window().Times().LED_OFF_TIME().Text(), "0.5") << "the unit's off-time word, read before the switch";
  EXPECT_EQ(Cell(0x109E) + Cell(0x109F), "A00F");
}

TEST_F(SpecialFunctionsTest, RemoteSettingIsDecodedFromPositionSevenOnly) {
  List("REMOTE_SET_SW").SelectText("Disable");
  Specials().DecodeRemoteSet(0x04);
  EXPECT_EQ(List("REMOTE_SET_SW").Text(), "Enable");
}

// The E.U(Standard) power switch: not offered at start-up, but a unit that
// uses it is shown as such and keeps its switch bits.
TEST_F(SpecialFunctionsTest, PowerSwitchListOffersTwoItemsAfterStartUp) {
  EXPECT_EQ(List("POWER_ON_OFF_SW").Items(), (std::vector<std::string>{"Any-Pushbutton", "Start-Pushbutton / Key"}));
}

TEST_F(SpecialFunctionsTest, EuStandardUnitIsShownWithItsBitsKept) {
  for (const char* stored : {"5D", "7D", "C0"}) {
    Specials().TrimPowerSwitchList();
    List("POWER_ON_OFF_SW").Select(0);
    SetCell(0x1092, stored);
    const int value = ParseHex(stored);
    Specials().DecodePowerSwitchByEuBit(value);
    Specials().DecodePowerSwitch(value);
    EXPECT_EQ(List("POWER_ON_OFF_SW").Text(), "E.U(Standard)") << stored;
    EXPECT_EQ(Cell(0x1092), stored);
  }
}

TEST_F(SpecialFunctionsTest, ChoosingAnotherPowerSwitchLeavesEuAndChoosingItAgainRestoresIt) {
  SetCell(0x1092, "40");
  Specials().DecodePowerSwitchByEuBit(0x40);
  Specials().DecodePowerSwitch(0x40);
  List("POWER_ON_OFF_SW").SelectText("Start-Pushbutton / Key");
  EXPECT_EQ(Cell(0x1092), "20");
  List("POWER_ON_OFF_SW").SelectText("E.U(Standard)");
  EXPECT_EQ(Cell(0x1092), "60");

  Specials().TrimPowerSwitchList();
  EXPECT_EQ(List("POWER_ON_OFF_SW").ListCount(), 2);
  EXPECT_EQ(Cell(0x1092), "60") << "trimming the list writes nothing";
}

}  // namespace
}  // namespace k9r
