#pragma once

#include <span>
#include <string>
#include <string_view>

#include "editor/Controls.h"

namespace k9r {

class MainWindow;

// The label that names a whole-unit setting in the window and, after a time
// list, its unit label. The language file addresses both by their Label1
// element; the time lists of the two function groups share one unit label.
struct SettingLabel {
  std::string_view list;
  std::string_view label;
  std::string_view caption;
  std::string_view unit = {};
};
std::span<const SettingLabel> SettingLabels();
// The entry that names this list, or nullptr.
const SettingLabel* SettingLabelOf(std::string_view list);

// The whole-unit functions: power-on and power switch, passive action,
// transmission, auto-off, save-power, LED, battery and EMS settings. Each
// list writes its bits of 0x1090, 0x1092, 0x1093 or 0x1095 (and the counts
// behind them) as soon as its selection changes. The decoding rules select
// items from stored bytes; the image decoder calls them in its own order.
class SpecialFunctions {
 public:
  explicit SpecialFunctions(MainWindow& window);

  Choice& List(std::string_view name) const;

  // Leaves only "Any-Pushbutton" and "Start-Pushbutton / Key" in
  // POWER_ON_OFF_SW (start-up, and the start of every decode).
  void TrimPowerSwitchList();

  // Decoding rules. Bytes are the stored values, taken before the decode's
  // handlers run; texts are cell texts as stored.
  // False for a power-on mode byte the unit cannot hold (nothing selected).
  bool DecodePowerOnMode(std::string_view storedText);
  void DecodePowerSwitchByEuBit(int switchByte);
  void DecodePowerSwitch(int switchByte);
  void DecodeTransmitMode(int switchByte);
  void DecodeTxAutoOffSwitch(int switchByte);
  // The texts of 0x109A-0x109D joined; no match shows "3   min".
  void ShowTxAutoOffTimes(std::string_view joinedCellTexts);
  void DecodeLowerBattery(int switchByte);
  void DecodePassiveAct(int switchByte);
  // Reads the LED off-time cells before the LED switch rewrites them.
  void DecodeLedSwitch(int unitByte);
  void DecodeSavePower(int unitByte);
  void DecodeRxAutoOffSwitch(int unitByte);
  // The texts of 0x1096-0x1099 joined; no match shows "Not-Execute".
  void ShowRxAutoOffTimes(std::string_view joinedCellTexts);
  void DecodeRemoteSet(int unitByte);
  void DecodeBatteryControl(int unitByte);
  // Any byte that is no offered count shows "5".
  void DecodeEmsTimes(std::string_view storedText);

 private:
  void BuildReceiverGroup();
  void BuildTransmitterGroup();
  void BuildSpecFuncGroup();
  void BuildSettingLabels();

  void POWER_ON_MODE_Click();
  void POWER_ON_OFF_SW_Click();
  void TRANSMIT_MODE_Click();
  void SAVE_POWER_SW_Click();
  void LED_ON_OFF_SW_Click();
  void LOWER_BATTERY_Click();
  void BATTERY_CONT_SW_Click();
  void REMOTE_SET_SW_Click();
  void PASSIVE_ACT_Click();
  void AUTO_OFF_RX_SW_Click();
  void AUTO_OFF_RX_TIMES_Click();
  void AUTO_OFF_TX_SW_Click();
  void AUTO_OFF_TX_TIMES_Click();
  void ems_times_Click();

  // The E.U(Standard) power switch is not offered for editing; it returns
  // to the list only to show a unit that uses it, as its last item.
  int EuStandardItem() const;
  void ShowEuStandardPowerSwitch();

  void SetBit(int address, int position, int value);
  Frame& FrameNamed(std::string_view name) const;

  MainWindow& window_;
  std::string euStandardText_ = "E.U(Standard)";
};

}  // namespace k9r
