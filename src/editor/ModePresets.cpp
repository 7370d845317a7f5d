#include "editor/ModePresets.h"

#include <array>
#include <optional>
#include <string_view>

#include "core/ByteMap.h"
#include "core/PairCodes.h"
#include "editor/MainWindow.h"
#include "editor/ModePanel.h"
#include "editor/PairEditing.h"
#include "editor/SpecialFunctions.h"
#include "editor/TimeLists.h"

namespace k9r {

namespace {

using paircodes::BypassBit;
using paircodes::GroupEffect;
using paircodes::ModeCode;

constexpr int kInchingPowerOnItem = 2;  // POWER_ON_MODE "Inching / Acceleration"

// What a single-pair preset does to one emergency-stop list of the pair.
struct EmsListState {
  bool showsControlByEmsFirst;
  bool visible;
  std::optional<bool> enabled;  // unset: left as it is
};

constexpr EmsListState kHidden{false, false, std::nullopt};
constexpr EmsListState kControlByEmsHidden{true, false, std::nullopt};
constexpr EmsListState kShown{false, true, std::nullopt};
constexpr EmsListState kControlByEmsShownEnabled{true, true, true};
// The second key's list is enabled unless the preset disables it.
constexpr EmsListState kSecondHidden{false, false, true};
constexpr EmsListState kSecondShown{false, true, true};
constexpr EmsListState kSecondShownDisabled{false, true, false};

enum class DelayCaption { Untouched, AccDelay, DelayTimes };

// The controls a single-pair preset sets; its bytes and list items are the
// mode's code.
struct SinglePairPreset {
  int mode;
  bool interlockDelayShown;
  bool accDelayUpShown;
  bool accDelayDownShown;
  EmsListState firstEmsList;
  EmsListState secondEmsList;
  // The MODE_TYPES texts that make the emergency-stop lists show a bypass.
  std::array<std::string_view, 2> bypassCodes;
  DelayCaption caption;
  bool setsReadMode;
  bool needsInchingPowerOn;
};

using enum DelayCaption;

constexpr SinglePairPreset kSinglePairPresets[] = {
    {1, true, true, true, kControlByEmsHidden, kSecondHidden, {}, AccDelay, true, false},
    {2, false, true, true, kControlByEmsHidden, kSecondHidden, {}, AccDelay, true, false},
    {3, false, true, false, kControlByEmsHidden, kSecondShown, {"8C"}, Untouched, true, false},
    {4, false, false, false, kShown, kSecondShown, {"86"}, Untouched, true, false},
    {5, false, false, true, kShown, kSecondShown, {"81"}, DelayTimes, true, false},
    {6, true, true, true, kHidden, kSecondHidden, {}, AccDelay, true, false},
    {7, false, true, true, kHidden, kSecondHidden, {}, AccDelay, true, false},
    {8, true, true, true, kHidden, kSecondHidden, {}, AccDelay, true, false},
    {9, false, true, true, kHidden, kSecondHidden, {}, AccDelay, true, false},
    {10, false, true, false, kHidden, kSecondShown, {"8C"}, Untouched, true, false},
    {11, true, true, true, kHidden, kSecondHidden, {}, AccDelay, true, false},
    {12, true, true, true, kHidden, kSecondHidden, {}, AccDelay, true, false},
    {13, true, true, true, kHidden, kSecondHidden, {}, AccDelay, true, true},
    {14, false, true, false, kHidden, kSecondShownDisabled, {"CC", "8C"}, Untouched, true, true},
    {15, true, true, true, kHidden, kSecondHidden, {}, AccDelay, false, true},
    {16, true, true, true, kHidden, kSecondHidden, {}, AccDelay, false, false},
    {17, false, true, true, kHidden, kSecondHidden, {}, AccDelay, false, false},
    {18, false, true, false, kControlByEmsHidden, kSecondShown, {"AC"}, Untouched, false, false},
    {19, false, false, false, kShown, kSecondShown, {"A6"}, Untouched, false, false},
    {22, false, false, true, kControlByEmsShownEnabled, kSecondShownDisabled, {"92"}, AccDelay, true, false},
    {23, false, false, true, kControlByEmsShownEnabled, kSecondShownDisabled, {"B2"}, AccDelay, false, false},
};

const SinglePairPreset* SinglePairPresetOf(int mode) {
  for (const SinglePairPreset& preset : kSinglePairPresets) {
    if (preset.mode == mode) return &preset;
  }
  return nullptr;
}

}  // namespace

ModePresets::ModePresets(MainWindow& window) : window_(window) {
  ModePanel& panel = window_.Panel();
  for (int mode = paircodes::kFirstMode; mode <= paircodes::kLastMode; ++mode) {
    panel.ModeButton(mode).OnClick([this, mode] { MODE_BOX_Click(mode); });
  }
  panel.EXIT_SELECT_MODE().OnClick([this] { EXIT_SELECT_MODE_Click(); });
}

void ModePresets::MODE_BOX_Click(int mode) { ApplyModePreset(mode, PresetSource::User); }

void ModePresets::EXIT_SELECT_MODE_Click() { window_.Panel().SELECT_MODETYPE().SetVisible(false); }

void ModePresets::ApplyModePreset(int mode, PresetSource source) {
  if (mode < paircodes::kFirstMode || mode > paircodes::kLastMode) return;
  const int pair = window_.State().BUTTON_MODEL;
  const int pairCount = paircodes::ModeCodeOf(mode).pairCount;
  if (pair < 0 || pair + pairCount > bytemap::kPairCount) return;
  if (source == PresetSource::Decoding) {
    // Some presets leave the delay captions as the user's earlier presets
    // left them; pairs shown from their bytes start from a new window's.
    for (int shown = pair; shown < pair + pairCount; ++shown) ShowAccDelayCaption(shown, true);
  }
  if (mode == paircodes::kThreePairMode) {
    ApplyThreePairPreset();
  } else if (mode == paircodes::kRKeyGroupModeA || mode == paircodes::kRKeyGroupModeB) {
    ApplyRKeyGroupPreset(mode, source);
  } else {
    ApplySinglePairPreset(mode, source, true);
  }
}

void ModePresets::cleanSSp1_2() {
  const int option = bytemap::PairOptionAddress(window_.State().BUTTON_MODEL);
  for (int position : {8, 7, 4, 3}) window_.Image().SetImageBit(option, position, 0);
}

void ModePresets::SetEmsSelection(int pair, int value) {
  PairEditing& pairs = window_.Pairs();
  for (int item : {1 - value, value}) {
    pairs.CONTROL_FUNC_UD(2 * pair).Select(item);
    pairs.CONTROL_FUNC_UD(2 * pair + 1).Select(item);
  }
}

void ModePresets::ApplySinglePairPreset(int mode, PresetSource source, bool withThreePairReset) {
  const SinglePairPreset& preset = *SinglePairPresetOf(mode);
  const ModeCode& code = paircodes::ModeCodeOf(mode);
  MainWindowState& state = window_.State();
  PairEditing& pairs = window_.Pairs();
  const int pair = state.BUTTON_MODEL;

  cleanSSp1_2();
  window_.Panel().SELECT_MODETYPE().SetVisible(false);

  ShowFunctionLists(pair, mode);
  pairs.INTERLOCK_DELAY_TIME_UPDN(pair).SetVisible(preset.interlockDelayShown);
  // Nothing in the preset reads the pair's bytes back, so every bit but the
  // bypass can be written at once.
  WriteBits(bytemap::PairFunctionAddress(pair), code.function[0], {2, 3, 4, 5, 6, 7, 8});
  WriteBits(bytemap::PairOptionAddress(pair), code.option[0], {1, 2, 3, 4, 5, 6, 7, 8});

  const EmsListState* listStates[] = {&preset.firstEmsList, &preset.secondEmsList};
  for (int key = 0; key < 2; ++key) {
    const EmsListState& wanted = *listStates[key];
    Choice& list = pairs.CONTROL_FUNC_UD(2 * pair + key);
    if (wanted.showsControlByEmsFirst) list.Select(paircodes::kItemControlByEms);
    list.SetVisible(wanted.visible);
    if (wanted.enabled) list.SetEnabled(*wanted.enabled);
  }

  switch (code.bypass) {
    case BypassBit::Clear: SetBypassBit(pair, 0); break;
    case BypassBit::Set: SetBypassBit(pair, 1); break;
    case BypassBit::Selection:
    case BypassBit::SelectionThenSet: {
      // The last decoded function byte says whether the pair bypassed the
      // emergency stop.
      bool bypass = false;
      for (std::string_view bypassCode : preset.bypassCodes) {
        bypass = bypass || (!bypassCode.empty() && state.MODE_TYPES == bypassCode);
      }
      SetEmsSelection(pair, bypass ? 1 : 0);
      break;
    }
  }

  pairs.ShowItem(PairList::Mode, pair, mode - 1);
  pairs.ACCDELAYUP(pair).SetVisible(preset.accDelayUpShown);
  pairs.ACCDELAY_DOWN(pair).SetVisible(preset.accDelayDownShown);
  window_.Times().ZERO_ALL_DELAYTIME();
  if (preset.setsReadMode) state.READ_MODE = 1;
  if (preset.needsInchingPowerOn) window_.Specials().List("POWER_ON_MODE").Select(kInchingPowerOnItem);

  // A user's Mode 10 or 14 stores a bypass, and the lists say so; a decoded
  // one keeps the stored choice that the lists now show.
  if (code.bypass == BypassBit::SelectionThenSet && source == PresetSource::User) {
    SetBypassBit(pair, 1);
    pairs.CONTROL_FUNC_UD(2 * pair).Select(paircodes::kItemBypassEms);
  }

  if (code.group == GroupEffect::BreaksGroups) CheckGroups(pair, source, withThreePairReset);
  if (preset.caption != Untouched) ShowAccDelayCaption(pair, preset.caption == AccDelay);
}

void ModePresets::CheckGroups(int pair, PresetSource source, bool withThreePairReset) {
  PairEditing& pairs = window_.Pairs();
  const std::string t2 = pairs.MODELTYPE_NO(2).Text();
  const std::string t3 = pairs.MODELTYPE_NO(3).Text();
  const std::string t4 = pairs.MODELTYPE_NO(4).Text();

  if (pair == 3 || pair == 4) window_.Image().SetImageBit(bytemap::kGroupFlags, bytemap::kGroupRKeyPairsBit, 0);
  // The decoding shows every pair from its own bytes. Resetting the other
  // pairs of a group that the lists showed before the decoding would
  // rewrite pairs (and their delay times) that it decodes separately.
  if (source == PresetSource::Decoding) return;

  if (pair == 3 && ShowsRKeyGroupMode(4, t4)) ApplyModeOneTo(4, true);
  if (pair == 4 && ShowsRKeyGroupMode(3, t3)) ApplyModeOneTo(3, true);

  if (!withThreePairReset) return;
  if (!t2.ends_with("24") && !t3.ends_with("24") && !t4.ends_with("24")) return;
  switch (pair) {
    case 2:
      if (!t3.empty() || !t4.empty()) {
        ApplyModeOneTo(3, false);
        ApplyModeOneTo(4, false);
      }
      break;
    case 3:
      if (!t4.empty()) {
        ApplyModeOneTo(2, false);
        ApplyModeOneTo(4, false);
      }
      break;
    case 4:
      ApplyModeOneTo(3, false);
      ApplyModeOneTo(2, false);
      break;
    default:
      return;
  }
  window_.Image().SetImageBit(bytemap::kGroupFlags, bytemap::kGroupThreePairsBit, 0);
}

void ModePresets::ApplyModeOneTo(int pair, bool withThreePairReset) {
  window_.State().BUTTON_MODEL = pair;
  ApplySinglePairPreset(1, PresetSource::User, withThreePairReset);
}

bool ModePresets::ShowsRKeyGroupMode(int pair, const std::string& modeText) const {
  if (modeText.empty()) return false;
  const auto& items = window_.Pairs().MODELTYPE_NO(pair).Items();
  for (int mode : {paircodes::kRKeyGroupModeA, paircodes::kRKeyGroupModeB}) {
    const auto item = static_cast<std::size_t>(mode - 1);
    if (item < items.size() && items[item] == modeText) return true;
  }
  return false;
}

void ModePresets::ShowFunctionLists(int pair, int mode) {
  const ModeCode& code = paircodes::ModeCodeOf(mode);
  PairEditing& pairs = window_.Pairs();
  pairs.ShowItem(PairList::FirstKey, pair, code.upItem);
  pairs.ShowItem(PairList::SecondKey, pair, code.downItem);
  pairs.ShowItem(PairList::Interlock, pair, code.interlockItem);
}

void ModePresets::WriteBits(int address, int code, std::initializer_list<int> positions) {
  for (int position : positions) window_.Image().SetImageBit(address, position, bytemap::BitAt(code, position));
}

void ModePresets::SetBypassBit(int pair, int value) {
  window_.Image().SetImageBit(bytemap::PairFunctionAddress(pair), bytemap::kPairEmsBypassBit, value);
}

void ModePresets::ShowAccDelayCaption(int pair, bool accDelay) {
  window_.Pairs().AccDelayCaption(pair).SetVisible(accDelay);
  window_.Pairs().DelayTimesCaption(pair).SetVisible(!accDelay);
}

}  // namespace k9r
