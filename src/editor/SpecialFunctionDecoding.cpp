// How the image decoder shows stored special-function bits: each rule only
// selects items, and the selection handlers store the canonical bytes.
#include <charconv>

#include "core/ByteMap.h"
#include "core/SetupImage.h"
#include "core/TimeTables.h"
#include "editor/MainWindow.h"
#include "editor/SpecialFunctions.h"
#include "editor/StartF1Keys.h"
#include "editor/TimeLists.h"

namespace k9r {

namespace {

using namespace bytemap;

constexpr std::string_view kUnknownEmsTimes = "5";

int ItemOfBit(int byteValue, int position, int itemWhenSet, int itemWhenClear) {
  return BitAt(byteValue, position) == 1 ? itemWhenSet : itemWhenClear;
}

}  // namespace

bool SpecialFunctions::DecodePowerOnMode(std::string_view storedText) {
  Choice& powerOnMode = List("POWER_ON_MODE");
  Choice& startKeyEms = window_.Keys().R0_KEY_EMS();
  if (storedText == "00" || storedText == "80") {
    powerOnMode.Select(0);
  } else if (storedText == "01" || storedText == "81") {
    powerOnMode.Select(1);
    startKeyEms.Select(storedText == "81" ? 1 : 0);
  } else if (storedText == "02" || storedText == "82") {
    powerOnMode.Select(2);
  } else {
    return false;
  }
  return true;
}

void SpecialFunctions::DecodePowerSwitchByEuBit(int switchByte) {
  if (BitAt(switchByte, kSwitchPowerModeEuBit) == 1) {
    ShowEuStandardPowerSwitch();
  } else {
    List("POWER_ON_OFF_SW").Select(0);
  }
}

void SpecialFunctions::DecodePowerSwitch(int switchByte) {
  // An E.U(Standard) unit stays shown as such whatever its start-key bit
  // says, so that reading it rewrites none of its switch bits.
  if (BitAt(switchByte, kSwitchPowerModeEuBit) == 1) {
    ShowEuStandardPowerSwitch();
    return;
  }
  List("POWER_ON_OFF_SW").Select(ItemOfBit(switchByte, kSwitchStartKeyPowerOnBit, 1, 0));
}

void SpecialFunctions::DecodeTransmitMode(int switchByte) {
  const bool continuous = BitAt(switchByte, kSwitchContinuousAutoOffBit) == 1 ||
                          BitAt(switchByte, kSwitchContinuousNoAutoOffBit) == 1;
  List("TRANSMIT_MODE").Select(continuous ? 0 : 1);
}

void SpecialFunctions::DecodeTxAutoOffSwitch(int switchByte) {
  List("AUTO_OFF_TX_SW").Select(ItemOfBit(switchByte, kSwitchTxAutoOffBit, 0, 1));
}

void SpecialFunctions::ShowTxAutoOffTimes(std::string_view joinedCellTexts) {
  const int row = timetables::FindAutoOffRow(timetables::TxAutoOffRows(), joinedCellTexts);
  List("AUTO_OFF_TX_TIMES").Select(row >= 0 ? row : timetables::kTxAutoOffDefaultItem);
}

void SpecialFunctions::DecodeLowerBattery(int switchByte) {
  List("LOWER_BATTERY").Select(ItemOfBit(switchByte, kSwitchLowBatteryWarningOffBit, 1, 0));
}

void SpecialFunctions::DecodePassiveAct(int switchByte) {
  List("PASSIVE_ACT").Select(ItemOfBit(switchByte, kSwitchPassivePowerOffBit, 0, 1));
}

void SpecialFunctions::DecodeLedSwitch(int unitByte) {
  if (BitAt(unitByte, kUnitTxLedOnBit) == 0) {
    FrameNamed("LED_TIMESBOX").SetVisible(false);
    List("LED_ON_OFF_SW").Select(1);
    return;
  }
  // Switching the LED on selects the default off-time, which rewrites the
  // word: read the unit's word first.
  const SetupImage& image = window_.Image();
  const std::string offTime =
      image.CellText(ImageCellIndex(kLedOffTime)) + image.CellText(ImageCellIndex(kLedOffTime + 1));
  List("LED_ON_OFF_SW").Select(0);
  FrameNamed("LED_TIMESBOX").SetVisible(true);
  window_.Times().ShowLedOffTime(offTime);
}

void SpecialFunctions::DecodeSavePower(int unitByte) {
  List("SAVE_POWER_SW").Select(ItemOfBit(unitByte, kUnitSavePowerBit, 1, 0));
}

void SpecialFunctions::DecodeRxAutoOffSwitch(int unitByte) {
  if (BitAt(unitByte, kUnitRxAutoOffBit) == 1) {
    List("AUTO_OFF_RX_SW").Select(0);
    return;
  }
  // The time list stays visible: its "Not-Execute" stands for the off state.
  List("AUTO_OFF_RX_SW").Select(1);
  FrameNamed("AUTO_OFF_RX_TIMES_BOX").SetVisible(true);
}

void SpecialFunctions::ShowRxAutoOffTimes(std::string_view joinedCellTexts) {
  const int row = timetables::FindAutoOffRow(timetables::RxAutoOffRows(), joinedCellTexts);
  List("AUTO_OFF_RX_TIMES").Select(row >= 0 ? row : timetables::kRxAutoOffDefaultItem);
}

void SpecialFunctions::DecodeRemoteSet(int unitByte) {
  List("REMOTE_SET_SW").Select(ItemOfBit(unitByte, kUnitRemoteSetDisabledBit, 1, 0));
}

void SpecialFunctions::DecodeBatteryControl(int unitByte) {
  List("BATTERY_CONT_SW").Select(ItemOfBit(unitByte, kUnitBatteryControlBit, 0, 1));
}

void SpecialFunctions::DecodeEmsTimes(std::string_view storedText) {
  // The list's own counts are the table: a count is stored as its byte.
  Choice& list = List("ems_times");
  for (const std::string& item : list.Items()) {
    int count = 0;
    std::from_chars(item.data(), item.data() + item.size(), count);
    if (ByteText(count) == storedText) {
      list.SelectText(item);
      return;
    }
  }
  list.SelectText(kUnknownEmsTimes);
}

}  // namespace k9r
