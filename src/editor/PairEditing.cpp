#include "editor/PairEditing.h"

#include <algorithm>
#include <cctype>

#include "core/ByteMap.h"
#include "editor/MainWindow.h"
#include "editor/ModePanel.h"

namespace k9r {

namespace {

constexpr int kEnterKey = 13;

constexpr const char* kPairButtonCaptions[bytemap::kPairCount] = {
    "Up / Down", "  East  / West ", " South / North ", "    R1 /  R2", "   R3 /  R4 ", "   R5 /  R6 ",
};

// Label1 elements of the delay captions and of the "sec" units after the
// delay lists, by pair (the language file addresses them by element).
struct DelayCaptionLabels {
  int accDelay;
  int delayTimes;
  int interlockDelay;
  int units[kPairDelayCount];  // by PairDelay
};
constexpr DelayCaptionLabels kDelayCaptionLabels[bytemap::kPairCount] = {
    {20, 0, 27, {16, 18, 19}},  {4, 79, 1, {2, 3, 7}},     {11, 83, 14, {8, 12, 13}},
    {29, 84, 32, {26, 30, 31}}, {37, 85, 40, {34, 38, 39}}, {74, 73, 68, {66, 72, 76}},
};

// The items a language file gives the lists of every pair. The lists are
// built with the first of them only; the last ones (the R-key group's
// functions and interlock) come with the language file.
const std::vector<std::string>& FullItems(PairList list) {
  static const std::vector<std::string> kFirstKey{
      "Normal", "Toggle", "Dual Motor", "Combination", "3 Speed", "Digital 4S", "On", "Dual Motor(1)",
      "Group",  "Group 1", "Group 2",
  };
  static const std::vector<std::string> kSecondKey{
      "Normal", "Toggle", "Dual Motor", "Combination", "3 Speed", "Digital 4S", "Off", "Dual Motor(1)",
      "Group",  "Group 1", "Group 2",
  };
  static const std::vector<std::string> kInterlock{
      "Interlock", "Non-Interlock", "Control by EMS", "Bypass EMS", "Group-Interlock",
  };
  static const std::vector<std::string> kModes = [] {
    std::vector<std::string> modes;
    for (int mode = 1; mode <= ModePanel::kModeCount; ++mode) modes.push_back("Mode " + std::to_string(mode));
    return modes;
  }();
  switch (list) {
    case PairList::FirstKey: return kFirstKey;
    case PairList::SecondKey: return kSecondKey;
    case PairList::Interlock: return kInterlock;
    case PairList::Mode: break;
  }
  return kModes;
}

constexpr int kDesignKeyItems = 8;
constexpr int kDesignInterlockItems = 4;
constexpr int kPairFiveDesignModes = 20;

std::vector<std::string> FirstItems(PairList list, int count) {
  const auto& items = FullItems(list);
  return {items.begin(), items.begin() + count};
}

// The design-time lists of pair 5 come from an older layout; a language
// file gives pair 5 the items of the other pairs.
struct PairListItems {
  std::vector<std::string> firstKey;
  std::vector<std::string> secondKey;
  std::vector<std::string> interlock;
  std::vector<std::string> modes;
};

const PairListItems& ListItemsOfPair(int pair) {
  static const PairListItems kStandard{
      FirstItems(PairList::FirstKey, kDesignKeyItems),
      FirstItems(PairList::SecondKey, kDesignKeyItems),
      FirstItems(PairList::Interlock, kDesignInterlockItems),
      FullItems(PairList::Mode),
  };
  static const PairListItems kPairFive{
      {"NORMAL", "TOGGLE", "SYNC", "SPECIAL1", "SPECIAL2", "SPECIAL3", "SPECIAL4", "ON"},
      {"NORMAL", "TOGGLE", "SYNC", "SPECIAL1", "SPECIAL2", "SPECIAL3", "SPECIAL4", "OFF"},
      {"INTERLOCK", "NON INTERLOCK"},
      FirstItems(PairList::Mode, kPairFiveDesignModes),
  };
  return pair == 5 ? kPairFive : kStandard;
}

std::vector<std::string> EmsItemsOfList(int index) {
  if (index == 10) return {"CONTROL BY EMS", "BY PASS EMS"};
  return {"Control by EMS", "Bypass EMS"};
}

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

}  // namespace

PairEditing::PairEditing(MainWindow& window) : window_(window) {
  for (int pair = 0; pair < bytemap::kPairCount; ++pair) BuildPair(pair);
  window_.Controls().Add<Frame>("PAIR5_FRAME").SetVisible(false);
}

void PairEditing::BuildPair(int pair) {
  ControlSet& controls = window_.Controls();
  const PairListItems& items = ListItemsOfPair(pair);

  Button& pairButton = controls.Add<Button>(Indexed("FUNC_MODE_SELECT", pair), kPairButtonCaptions[pair]);
  pairButton.OnClick([this, pair] { FUNC_MODE_SELECT_Click(pair); });
  pairButton.OnKeyPress([this, pair](int& key) { FUNC_MODE_SELECT_KeyPress(pair, key); });

  controls.Add<Choice>(Indexed("MODELTYPE_NO", pair), items.modes);
  controls.Add<Choice>(Indexed("UP_FUNC", pair), items.firstKey);
  controls.Add<Choice>(Indexed("DOWN_FUNC", pair), items.secondKey);
  controls.Add<Choice>(Indexed("INTERLOCK_UD", pair), items.interlock).OnTextChange([this, pair] {
    INTERLOCK_UD_Change(pair);
  });
  for (int index : {2 * pair, 2 * pair + 1}) {
    controls.Add<Choice>(Indexed("CONTROL_FUNC_UD", index), EmsItemsOfList(index)).OnSelect([this, index] {
      CONTROL_FUNC_UD_Click(index);
    });
  }

  // A pair starts as Normal / Normal / Non-Interlock, which has no interlock delay.
  controls.Add<Frame>(Indexed("INTERLOCK_DELAY_TIME_UPDN", pair)).SetVisible(false);
  controls.Add<Frame>(Indexed("ACCDELAYUP", pair));
  controls.Add<Label>(Indexed("ACCTEXT_up", pair), "Acc. Delay ");
  controls.Add<Frame>(Indexed("ACCDELAY_DOWN", pair));
  controls.Add<Label>(Indexed("Label1", kDelayCaptionLabels[pair].accDelay), "Acc. Delay ");
  controls.Add<Label>(Indexed("Label1", kDelayCaptionLabels[pair].delayTimes), "Delay times ").SetVisible(false);
  controls.Add<Label>(Indexed("Label1", kDelayCaptionLabels[pair].interlockDelay), "InterlockDelay ");
  for (int unit : kDelayCaptionLabels[pair].units) controls.Add<Label>(Indexed("Label1", unit), "sec");
}

Button& PairEditing::FUNC_MODE_SELECT(int pair) const {
  return window_.Controls().Get<Button>(Indexed("FUNC_MODE_SELECT", pair));
}

Choice& PairEditing::MODELTYPE_NO(int pair) const {
  return window_.Controls().Get<Choice>(Indexed("MODELTYPE_NO", pair));
}

Choice& PairEditing::UP_FUNC(int pair) const { return window_.Controls().Get<Choice>(Indexed("UP_FUNC", pair)); }
Choice& PairEditing::DOWN_FUNC(int pair) const { return window_.Controls().Get<Choice>(Indexed("DOWN_FUNC", pair)); }

Choice& PairEditing::INTERLOCK_UD(int pair) const {
  return window_.Controls().Get<Choice>(Indexed("INTERLOCK_UD", pair));
}

Choice& PairEditing::CONTROL_FUNC_UD(int index) const {
  return window_.Controls().Get<Choice>(Indexed("CONTROL_FUNC_UD", index));
}

Choice& PairEditing::List(PairList list, int pair) const {
  switch (list) {
    case PairList::FirstKey: return UP_FUNC(pair);
    case PairList::SecondKey: return DOWN_FUNC(pair);
    case PairList::Interlock: return INTERLOCK_UD(pair);
    case PairList::Mode: break;
  }
  return MODELTYPE_NO(pair);
}

void PairEditing::ShowItem(PairList list, int pair, int item) {
  Choice& shown = List(list, pair);
  const auto& fullItems = FullItems(list);
  for (int added = shown.ListCount(); added <= item && added < static_cast<int>(fullItems.size()); ++added) {
    shown.AddItem(fullItems[static_cast<std::size_t>(added)]);
  }
  if (item >= shown.ListCount()) return;
  if (list == PairList::Interlock) {
    shown.SetText(shown.Items()[static_cast<std::size_t>(item)]);
  } else {
    shown.Select(item);
  }
}

Frame& PairEditing::INTERLOCK_DELAY_TIME_UPDN(int pair) const {
  return window_.Controls().Get<Frame>(Indexed("INTERLOCK_DELAY_TIME_UPDN", pair));
}

Frame& PairEditing::ACCDELAYUP(int pair) const { return window_.Controls().Get<Frame>(Indexed("ACCDELAYUP", pair)); }

Frame& PairEditing::ACCDELAY_DOWN(int pair) const {
  return window_.Controls().Get<Frame>(Indexed("ACCDELAY_DOWN", pair));
}

Label& PairEditing::AccDelayCaption(int pair) const {
  return window_.Controls().Get<Label>(Indexed("Label1", kDelayCaptionLabels[pair].accDelay));
}

Label& PairEditing::DelayTimesCaption(int pair) const {
  return window_.Controls().Get<Label>(Indexed("Label1", kDelayCaptionLabels[pair].delayTimes));
}

Label& PairEditing::InterlockDelayCaption(int pair) const {
  return window_.Controls().Get<Label>(Indexed("Label1", kDelayCaptionLabels[pair].interlockDelay));
}

Label& PairEditing::DelayUnit(int pair, PairDelay delay) const {
  const int unit = kDelayCaptionLabels[pair].units[static_cast<int>(delay)];
  return window_.Controls().Get<Label>(Indexed("Label1", unit));
}

Frame& PairEditing::PairFiveFrame() const { return window_.Controls().Get<Frame>("PAIR5_FRAME"); }

void PairEditing::FUNC_MODE_SELECT_Click(int index) {
  MainWindowState& state = window_.State();
  ModePanel& panel = window_.Panel();
  state.BUTTON_MODEL = index;
  panel.SELECT_MODETYPE().SetVisible(true);

  if (index == 0) {
    panel.SetCaptionsEnabled(15, 47, true);
    if (state.new_3_function == 1) {
      panel.SetCaptionsEnabled(48, 62, true);
      panel.SetModeButtonsEnabled({18, 19}, true);
    } else {
      panel.SetCaptionsEnabled(57, 59, true);
    }
    panel.SetModeButtonsEnabled({6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 20, 21}, true);
  } else {
    panel.SetCaptionsEnabled(15, 59, false);
    if (state.new_3_function == 1) {
      panel.SetCaptionsEnabled(48, 62, true);
      panel.SetCaptionsEnabled(57, 59, false);
    }
    panel.SetModeButtonsEnabled({6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 24}, false);
  }

  // The R-key group (Modes 20 and 21) starts at pair R1/R2 only.
  const bool rKeyGroup = index == 3 && state.new_KOREA_function == 1;
  panel.SetModeButtonsEnabled({20, 21}, rKeyGroup);
  panel.SetCaptionsEnabled(48, 50, rKeyGroup);
  panel.SetCaptionsEnabled(60, 62, rKeyGroup);

  // The three-pair group (Mode 24) starts at pair South/North only.
  const bool threePairGroup = index == 2 && state.new_GROUP_INTERLOCK == 1;
  panel.SetModeButtonsEnabled({24}, threePairGroup);
  panel.SetCaptionsEnabled(69, 71, threePairGroup);

  panel.SetModeButtonsEnabled({25}, false);
  panel.SetCaptionsEnabled(72, 74, false);
}

void PairEditing::FUNC_MODE_SELECT_KeyPress(int /*index*/, int& key) {
  // Enter walks on through the pair buttons as Tab does.
  if (key != kEnterKey) return;
  window_.Ui().SendKeys("{tab}");
  key = 0;
}

void PairEditing::INTERLOCK_UD_Change(int /*index*/) {
  // The presets change the lists of several pairs while BUTTON_MODEL names
  // the pair they work on; the frame of that pair is the one that follows.
  const int pair = window_.State().BUTTON_MODEL;
  const std::string text = UpperCase(INTERLOCK_UD(pair).Text());
  if (text == "INTERLOCK") {
    INTERLOCK_DELAY_TIME_UPDN(pair).SetVisible(true);
  } else if (text == "NON-INTERLOCK") {
    INTERLOCK_DELAY_TIME_UPDN(pair).SetVisible(false);
  }
}

void PairEditing::CONTROL_FUNC_UD_Click(int index) {
  const int selected = CONTROL_FUNC_UD(index).Index();
  // Both keys of a pair share one bypass bit, so the partner list follows.
  const int partner = index % 2 == 0 ? index + 1 : index - 1;
  CONTROL_FUNC_UD(partner).Select(selected);
  Select_EMS_Table(index, selected == 1 ? 1 : 0);
}

void PairEditing::Select_EMS_Table(int index, int value) {
  if (index < 0 || index >= kEmsListCount) return;
  window_.Image().SetImageBit(bytemap::PairFunctionAddress(index / 2), bytemap::kPairEmsBypassBit, value);
}

}  // namespace k9r
