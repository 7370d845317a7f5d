#include "editor/SpecialFunctions.h"

#include <charconv>

#include "core/ByteMap.h"
#include "core/TimeTables.h"
#include "editor/MainWindow.h"
#include "editor/PairEditing.h"
#include "editor/StartF1Keys.h"
#include "editor/TimeLists.h"

namespace k9r {

namespace {

using namespace bytemap;

constexpr int kEmsTimesCounts[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  15,  20,  25,
                                   30, 35, 40, 45, 50, 60, 70, 80, 90, 100, 150, 200, 250};

constexpr int kPowerSwitchUserItems = 2;
constexpr int kInchingItem = 2;          // POWER_ON_MODE "Inching / Acceleration"
constexpr int kDefaultInchingTime = 5;   // TIME_INCHING "0.5"
constexpr int kRelayOffItem = 1;         // PASSIVE_ACT
constexpr int kNonContinuousItem = 1;    // TRANSMIT_MODE
constexpr int kNotExecuteItem = 7;       // both auto-off time lists
// Modes 13-15 (three speeds, digital 4 steps) need the inching power-on mode.
constexpr int kInchingModeItems[] = {12, 13, 14};
constexpr int kPairsWithInchingModes = 5;  // pairs Up/Down ... R3/R4

std::vector<std::string> EmsTimesItems() {
  std::vector<std::string> items;
  for (int count : kEmsTimesCounts) items.push_back(std::to_string(count));
  return items;
}

std::vector<std::string> AutoOffItems(std::span<const timetables::AutoOffRow> rows) {
  std::vector<std::string> items;
  for (const auto& row : rows) items.emplace_back(row.text);
  return items;
}

std::vector<std::string> BatteryTimesItems() {
  const auto items = timetables::KeyDelayItems();
  return {items.begin(), items.end()};
}

bool ShowsItemOfItsOwn(const Choice& list, int item) {
  return item < list.ListCount() && !list.Text().empty() && list.Text() == list.Items()[static_cast<std::size_t>(item)];
}

constexpr std::string_view kSecondsUnit = "Label1(86)";

constexpr SettingLabel kSettingLabels[] = {
    // Receiver functions.
    {"POWER_ON_MODE", "Label1(51)", "Power-On Mode"},
    {"TIME_INCHING", "Label1(55)", "Inching Time", kSecondsUnit},
    {"POWER_ON_OFF_SW", "Label1(78)", "Power Switch"},
    {"REMOTE_SET_SW", "Label1(59)", "ID Remote Setting"},
    {"PASSIVE_ACT", "Label1(46)", "Passive Action"},
    {"PASSIVE_EMS_time", "Label1(44)", "Passive EMS", kSecondsUnit},
    {"AUTO_OFF_RX_TIMES", "Label1(58)", "Rx Auto-Off"},
    // Transmitter functions.
    {"TRANSMIT_MODE", "Label1(50)", "Transmit Mode"},
    {"AUTO_OFF_TX_SW", "Label1(56)", "Tx Auto-Off"},
    {"SAVE_POWER_SW", "Label1(65)", "Save Power"},
    {"LED_ON_OFF_SW", "Label1(57)", "Transmitter LED"},
    {"LED_OFF_TIME", "Label1(67)", "LED Off-Time", kSecondsUnit},
    // The SPEC-FUNC tab.
    {"LOWER_BATTERY", "Label1(47)", "Low Battery"},
    {"BATTERY_CONT_SW", "Label1(63)", "Battery Control"},
    {"CHKSUM_SW1", "Label1(54)", "Checksum"},
    {"ems_times", "Label1(25)", "EMS Times"},
};

}  // namespace

std::span<const SettingLabel> SettingLabels() { return kSettingLabels; }

const SettingLabel* SettingLabelOf(std::string_view list) {
  for (const SettingLabel& entry : kSettingLabels) {
    if (entry.list == list) return &entry;
  }
  return nullptr;
}

SpecialFunctions::SpecialFunctions(MainWindow& window) : window_(window) {
  BuildReceiverGroup();
  BuildTransmitterGroup();
  BuildSpecFuncGroup();
  BuildSettingLabels();
}

void SpecialFunctions::BuildSettingLabels() {
  ControlSet& controls = window_.Controls();
  for (const SettingLabel& entry : kSettingLabels) {
    controls.Add<Label>(std::string(entry.label), std::string(entry.caption));
  }
  controls.Add<Label>(std::string(kSecondsUnit), "sec");
}

void SpecialFunctions::BuildReceiverGroup() {
  ControlSet& controls = window_.Controls();
  controls.Add<Frame>("RC_INFOMATION", "RECEIVER FUNCTION");
  controls.Add<Choice>("POWER_ON_MODE", std::vector<std::string>{"Normal", "Toggle", "Inching / Acceleration"})
      .OnSelect([this] { POWER_ON_MODE_Click(); });
  controls.Add<Frame>("INCHINE_TIMES");
  controls
      .Add<Choice>("POWER_ON_OFF_SW", std::vector<std::string>{"Any-Pushbutton", "Start-Pushbutton / Key",
                                                               "E.U(Simple)", "E.U(Standard)"})
      .OnSelect([this] { POWER_ON_OFF_SW_Click(); });
  controls.Add<Choice>("REMOTE_SET_SW", std::vector<std::string>{"Enable", "Disable"}).OnSelect([this] {
    REMOTE_SET_SW_Click();
  });
  controls.Add<Choice>("PASSIVE_ACT", std::vector<std::string>{"Power-Off", "Relay-Off"}).OnSelect([this] {
    PASSIVE_ACT_Click();
  });
  controls.Add<Frame>("AUTO_OFF_RX_TIMES_BOX");
  controls.Add<Choice>("AUTO_OFF_RX_TIMES", AutoOffItems(timetables::RxAutoOffRows())).OnSelect([this] {
    AUTO_OFF_RX_TIMES_Click();
  });
}

void SpecialFunctions::BuildTransmitterGroup() {
  ControlSet& controls = window_.Controls();
  controls.Add<Frame>("TRANSMETER_FUNC_BOX", "TRANSMITTER FUNCTION");
  controls.Add<Choice>("TRANSMIT_MODE", std::vector<std::string>{"Continuous", "Non-Continuous"}).OnSelect([this] {
    TRANSMIT_MODE_Click();
  });
  controls.Add<Choice>("AUTO_OFF_TX_SW", std::vector<std::string>{"Enable", "Disable"}).OnSelect([this] {
    AUTO_OFF_TX_SW_Click();
  });
  controls.Add<Frame>("AUTO_OFF_TX_TIMES_BOX");
  controls.Add<Choice>("AUTO_OFF_TX_TIMES", AutoOffItems(timetables::TxAutoOffRows())).OnSelect([this] {
    AUTO_OFF_TX_TIMES_Click();
  });
  controls.Add<Choice>("SAVE_POWER_SW", std::vector<std::string>{"Disable", "Enable"}).OnSelect([this] {
    SAVE_POWER_SW_Click();
  });
  controls.Add<Choice>("LED_ON_OFF_SW", std::vector<std::string>{"On", "Off"}).OnSelect([this] {
    LED_ON_OFF_SW_Click();
  });
  controls.Add<Frame>("LED_TIMESBOX");
}

void SpecialFunctions::BuildSpecFuncGroup() {
  ControlSet& controls = window_.Controls();
  controls.Add<Choice>("LOWER_BATTERY", std::vector<std::string>{"Continuous", "Off"}).OnSelect([this] {
    LOWER_BATTERY_Click();
  });
  controls.Add<Choice>("BATTERY_CONT_SW", std::vector<std::string>{"On", "Off"}).OnSelect([this] {
    BATTERY_CONT_SW_Click();
  });
  controls.Add<Frame>("AUTO_OFF_RXBOX");
  controls.Add<Choice>("AUTO_OFF_RX_SW", std::vector<std::string>{"On", "Off"}).OnSelect([this] {
    AUTO_OFF_RX_SW_Click();
  });
  // Shown for the unit's sake only: the editor stores none of these three.
  controls.Add<Choice>("AUTO_OFF_EMS_SW", std::vector<std::string>{"ON", "OFF"});
  controls.Add<Choice>("BATTERY_TIMES", BatteryTimesItems());
  controls.Add<Choice>("CHKSUM_SW1", std::vector<std::string>{"On", "Off"});
  controls.Add<Choice>("ems_times", EmsTimesItems()).OnSelect([this] { ems_times_Click(); });
}

Choice& SpecialFunctions::List(std::string_view name) const { return window_.Controls().Get<Choice>(name); }

Frame& SpecialFunctions::FrameNamed(std::string_view name) const { return window_.Controls().Get<Frame>(name); }

void SpecialFunctions::SetBit(int address, int position, int value) {
  window_.Image().SetImageBit(address, position, value);
}

void SpecialFunctions::TrimPowerSwitchList() {
  Choice& list = List("POWER_ON_OFF_SW");
  if (list.ListCount() <= kPowerSwitchUserItems) return;
  if (list.ListCount() > 3) euStandardText_ = list.Items()[3];
  list.RemoveItem(3);
  list.RemoveItem(2);
}

int SpecialFunctions::EuStandardItem() const {
  const int count = List("POWER_ON_OFF_SW").ListCount();
  return count > kPowerSwitchUserItems ? count - 1 : -1;
}

void SpecialFunctions::ShowEuStandardPowerSwitch() {
  Choice& list = List("POWER_ON_OFF_SW");
  if (EuStandardItem() < 0) list.AddItem(euStandardText_);
  list.Select(EuStandardItem());
}

void SpecialFunctions::POWER_ON_MODE_Click() {
  Choice& powerOnMode = List("POWER_ON_MODE");
  Choice& startKeyEms = window_.Keys().R0_KEY_EMS();
  FrameNamed("INCHINE_TIMES").SetVisible(false);
  for (int pair = 0; pair < kPairsWithInchingModes; ++pair) {
    const Choice& mode = window_.Pairs().MODELTYPE_NO(pair);
    for (int item : kInchingModeItems) {
      if (ShowsItemOfItsOwn(mode, item)) powerOnMode.Select(kInchingItem);
    }
  }
  switch (powerOnMode.Index()) {
    case 0:
      startKeyEms.SetVisible(false);
      SetBit(kPowerOnMode, kPowerOnToggleBit, 0);
      SetBit(kPowerOnMode, kPowerOnInchingBit, 0);
      SetBit(kPowerOnMode, kPowerOnStartBypassesEmsBit, 0);
      startKeyEms.Select(0);
      break;
    case 1:
      startKeyEms.SetVisible(true);
      SetBit(kPowerOnMode, kPowerOnToggleBit, 1);
      SetBit(kPowerOnMode, kPowerOnInchingBit, 0);
      startKeyEms.Select(0);
      break;
    case kInchingItem:
      FrameNamed("INCHINE_TIMES").SetVisible(true);
      startKeyEms.SetVisible(false);
      SetBit(kPowerOnMode, kPowerOnToggleBit, 0);
      SetBit(kPowerOnMode, kPowerOnInchingBit, 1);
      SetBit(kPowerOnMode, kPowerOnStartBypassesEmsBit, 0);
      startKeyEms.Select(0);
      window_.Times().TIME_INCHING().Select(kDefaultInchingTime);
      break;
    default:
      break;
  }
}

void SpecialFunctions::POWER_ON_OFF_SW_Click() {
  const int item = List("POWER_ON_OFF_SW").Index();
  if (item >= 0 && item == EuStandardItem()) {
    // Showing (or choosing again) the unit's E.U(Standard) switch keeps
    // the start-key bit as the unit has it.
    SetBit(kSwitchOptions, kSwitchPowerModeEuBit, 1);
    return;
  }
  SetBit(kSwitchOptions, kSwitchPowerModeEuBit, 0);
  SetBit(kSwitchOptions, kSwitchStartKeyPowerOnBit, item == 1 ? 1 : 0);
}

void SpecialFunctions::TRANSMIT_MODE_Click() {
  if (List("TRANSMIT_MODE").Index() == 0) {
    SetBit(kSwitchOptions, kSwitchContinuousAutoOffBit, 1);
    FrameNamed("AUTO_OFF_TX_TIMES_BOX").SetVisible(true);
    AUTO_OFF_TX_TIMES_Click();
    return;
  }
  // Without continuous transmission there is no transmitter auto-off, and
  // a passive link may only drop the relays.
  SetBit(kSwitchOptions, kSwitchContinuousAutoOffBit, 0);
  FrameNamed("AUTO_OFF_TX_TIMES_BOX").SetVisible(false);
  SetBit(kSwitchOptions, kSwitchTxAutoOffBit, 0);
  SetBit(kSwitchOptions, kSwitchContinuousNoAutoOffBit, 0);
  List("PASSIVE_ACT").Select(kRelayOffItem);
}

void SpecialFunctions::AUTO_OFF_TX_SW_Click() {
  const int item = List("AUTO_OFF_TX_SW").Index();
  if (item < 0) return;
  SetBit(kSwitchOptions, kSwitchTxAutoOffBit, item == 0 ? 1 : 0);
}

void SpecialFunctions::AUTO_OFF_TX_TIMES_Click() {
  const auto rows = timetables::TxAutoOffRows();
  const int selected = List("AUTO_OFF_TX_TIMES").Index();
  const int item = selected >= 0 && selected < static_cast<int>(rows.size()) ? selected : timetables::kTxAutoOffDefaultItem;
  const bool timerOff = item == kNotExecuteItem;
  SetBit(kSwitchOptions, kSwitchContinuousNoAutoOffBit, timerOff ? 1 : 0);
  SetBit(kSwitchOptions, kSwitchContinuousAutoOffBit, timerOff ? 0 : 1);
  window_.Times().TX_times_ch(rows[static_cast<std::size_t>(item)].bytes);
}

void SpecialFunctions::SAVE_POWER_SW_Click() {
  SetBit(kUnitOptions, kUnitSavePowerBit, List("SAVE_POWER_SW").Index() == 1 ? 1 : 0);
}

void SpecialFunctions::LED_ON_OFF_SW_Click() {
  if (List("LED_ON_OFF_SW").Index() == 0) {
    FrameNamed("LED_TIMESBOX").SetVisible(true);
    SetBit(kUnitOptions, kUnitTxLedOnBit, 1);
    window_.Times().LED_OFF_TIME().Select(timetables::kLedOffTimeDefaultItem);
    return;
  }
  // The off-time word stays as it is for when the LED is switched on again.
  FrameNamed("LED_TIMESBOX").SetVisible(false);
  SetBit(kUnitOptions, kUnitTxLedOnBit, 0);
}

void SpecialFunctions::LOWER_BATTERY_Click() {
  SetBit(kSwitchOptions, kSwitchLowBatteryWarningOffBit, List("LOWER_BATTERY").Index() == 0 ? 0 : 1);
}

void SpecialFunctions::BATTERY_CONT_SW_Click() {
  SetBit(kUnitOptions, kUnitBatteryControlBit, List("BATTERY_CONT_SW").Text() == "On" ? 1 : 0);
}

void SpecialFunctions::REMOTE_SET_SW_Click() {
  const int disabled = List("REMOTE_SET_SW").Index() == 0 ? 0 : 1;
  SetBit(kUnitOptions, kUnitRemoteSetDisabledBit, disabled);
  SetBit(kUnitOptions, kUnitRemoteSetDisabledCopyBit, disabled);
}

void SpecialFunctions::PASSIVE_ACT_Click() {
  Choice& passiveAct = List("PASSIVE_ACT");
  const int item = passiveAct.Index();
  if (item == 0) {
    const Choice& transmitMode = List("TRANSMIT_MODE");
    if (ShowsItemOfItsOwn(transmitMode, kNonContinuousItem)) {
      // A transmitter that is not sending continuously cannot keep the
      // receiver powered: Power-Off is refused.
      passiveAct.Select(kRelayOffItem);
      return;
    }
    SetBit(kSwitchOptions, kSwitchPassivePowerOffBit, 1);
  } else if (item == 1) {
    SetBit(kSwitchOptions, kSwitchPassivePowerOffBit, 0);
  }
}

void SpecialFunctions::AUTO_OFF_RX_SW_Click() {
  const int item = List("AUTO_OFF_RX_SW").Index();
  if (item < 0) return;
  FrameNamed("AUTO_OFF_RX_TIMES_BOX").SetVisible(item == 0);
  SetBit(kUnitOptions, kUnitRxAutoOffBit, item == 0 ? 1 : 0);
}

void SpecialFunctions::AUTO_OFF_RX_TIMES_Click() {
  const auto rows = timetables::RxAutoOffRows();
  const int selected = List("AUTO_OFF_RX_TIMES").Index();
  const int item = selected >= 0 && selected < static_cast<int>(rows.size()) ? selected : kNotExecuteItem;
  SetBit(kUnitOptions, kUnitRxAutoOffBit, item == kNotExecuteItem ? 0 : 1);
  window_.Times().RX_times_ch(rows[static_cast<std::size_t>(item)].bytes);
}

void SpecialFunctions::ems_times_Click() {
  const std::string& text = List("ems_times").Text();
  int count = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (error != std::errc() || end != text.data() + text.size() || count < 0 || count > 0xFF) return;
  window_.Image().WriteImageByte(kEmsTimes, count);
}

}  // namespace k9r
