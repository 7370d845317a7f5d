#include "editor/EditorDefaults.h"

#include <string_view>

#include "core/ByteMap.h"
#include "editor/MainWindow.h"
#include "editor/ModePanel.h"
#include "editor/PairEditing.h"
#include "editor/TimeLists.h"

namespace k9r {

namespace {

struct ListDefault {
  std::string_view list;
  int item;
};

// In this order: some handlers look at lists selected before them (the
// passive action refuses Power-Off unless transmission is continuous).
constexpr ListDefault kSettingDefaults[] = {
    {"AUTO_OFF_TX_SW", 0},   {"AUTO_OFF_TX_TIMES", 0}, {"AUTO_OFF_RX_SW", 0},   {"AUTO_OFF_RX_TIMES", 7},
    {"POWER_ON_MODE", 0},    {"POWER_ON_OFF_SW", 0},   {"TRANSMIT_MODE", 0},    {"SAVE_POWER_SW", 0},
    {"LED_ON_OFF_SW", 0},    {"LED_OFF_TIME", 3},      {"TIME_INCHING", 0},     {"REMOTE_SET_SW", 0},
    {"PASSIVE_EMS_time", 0}, {"PASSIVE_ACT", 0},       {"ems_times", 9},        {"BATTERY_CONT_SW", 1},
    {"CHKSUM_SW1", 0},       {"BATTERY_TIMES", 0},     {"R0_KEY_EMS", 0},
};

constexpr int kNonInterlockItem = 1;

}  // namespace

void SelectPairDefaults(MainWindow& window) {
  PairEditing& pairs = window.Pairs();
  TimeLists& times = window.Times();
  for (int pair = 0; pair < bytemap::kPairCount; ++pair) {
    pairs.UP_FUNC(pair).Select(0);
    pairs.DOWN_FUNC(pair).Select(0);
    if (pair == 0) {
      // Pair 0's acceleration bytes are written even when the lists
      // already show "0.0".
      const std::string zero = times.TIME_ACCDELAY_UP(1).Items().front();
      times.TIME_ACCDELAY_UP(0).SelectText(zero);
      times.settimes(zero, bytemap::FirstKeyAccDelayAddress(0));
      times.TIME_ACCDELAY_DN(0).SelectText(zero);
      times.settimes(zero, bytemap::SecondKeyAccDelayAddress(0));
    }
    times.TIME_ACCDELAY_UP(pair).Select(0);
    times.TIME_ACCDELAY_DN(pair).Select(0);
    times.INTL_DelayTime_UP(pair).Select(0);
    pairs.INTERLOCK_UD(pair).Select(kNonInterlockItem);
    pairs.CONTROL_FUNC_UD(2 * pair).Select(0);
    pairs.CONTROL_FUNC_UD(2 * pair + 1).Select(0);
  }
}

void SelectSettingDefaults(MainWindow& window) {
  for (const ListDefault& entry : kSettingDefaults) window.Controls().Get<Choice>(entry.list).Select(entry.item);
  window.Times().SelectDefaultKeyDelays();
  window.Controls().Get<Choice>("F1_MODE").Select(0);
}

void EnableFeatureModes(MainWindow& window) {
  const MainWindowState& state = window.State();
  ModePanel& panel = window.Panel();
  if (state.new_3_function == 1) panel.SetModeButtonsEnabled({18, 19, 20, 21, 22}, true);
  if (state.new_TOGGLE_NORMAL == 1) {
    panel.ModeFrame(22).SetEnabled(true);
    panel.ModeFrame(23).SetEnabled(true);
  }
  if (state.new_GROUP_INTERLOCK == 1) panel.ModeFrame(24).SetEnabled(true);
}

}  // namespace k9r
