#include "editor/StartF1Keys.h"

#include <array>
#include <optional>
#include <string_view>

#include "core/BaseConversion.h"
#include "core/ByteMap.h"
#include "editor/MainWindow.h"
#include "editor/PairEditing.h"

namespace k9r {

namespace {

constexpr int kNormal = 0;
constexpr int kToggle = 1;
constexpr int kControlByEms = 0;
constexpr int kBypassEms = 1;

// F1 items for the F1 bits of 0x10AA, keyed by positions 1, 3 and 7.
struct F1KeyRow {
  std::string_view key;
  int mode;
  int ems;
};
constexpr F1KeyRow kF1KeyRows[] = {
    {"000", kNormal, kControlByEms}, {"010", kNormal, kControlByEms}, {"110", kNormal, kBypassEms},
    {"101", kToggle, kBypassEms},    {"001", kToggle, kControlByEms}, {"011", kToggle, kControlByEms},
    {"111", kToggle, kBypassEms},
};

std::optional<F1KeyRow> F1RowOf(std::string_view key) {
  for (const F1KeyRow& row : kF1KeyRows) {
    if (row.key == key) return row;
  }
  return std::nullopt;  // "100": the lists stay as they are
}

}  // namespace

StartF1Keys::StartF1Keys(MainWindow& window) : window_(window) {
  ControlSet& controls = window_.Controls();
  controls.Add<Frame>("START_FUNC", "START / F1 KEY");
  controls.Add<Choice>("R0_KEY_EMS", std::vector<std::string>{"Control by EMS", "Bypass EMS"}).OnSelect([this] {
    R0_KEY_EMS_Click();
  });
  controls.Add<Label>("Label1(87)", "F1 KEY ");
  controls.Add<Choice>("F1_MODE", std::vector<std::string>{"Normal", "Toggle"}).OnSelect([this] { F1_MODE_Click(); });
  controls.Add<Choice>("CONTROL_FUNC_F1", std::vector<std::string>{"Control by EMS", "Bypass EMS"}).OnSelect([this] {
    CONTROL_FUNC_F1_Click();
  });
  controls.Add<Frame>("ACCDELAY_DOWN_F1");
  controls.Add<Label>("Label1(49)", "F1 Delay");
  controls.Add<Label>("Label1(64)", "Acc. Delay ");
  controls.Add<Label>("Label1(70)", "sec");
}

Choice& StartF1Keys::F1_MODE() const { return window_.Controls().Get<Choice>("F1_MODE"); }
Choice& StartF1Keys::CONTROL_FUNC_F1() const { return window_.Controls().Get<Choice>("CONTROL_FUNC_F1"); }
Choice& StartF1Keys::R0_KEY_EMS() const { return window_.Controls().Get<Choice>("R0_KEY_EMS"); }
Frame& StartF1Keys::ACCDELAY_DOWN_F1() const { return window_.Controls().Get<Frame>("ACCDELAY_DOWN_F1"); }

void StartF1Keys::F1_MODE_Click() {
  SetupImage& image = window_.Image();
  const int mode = F1_MODE().Index();
  if (mode < 0) return;
  const int toggle = mode == kToggle ? 1 : 0;
  ShowModeControls();
  image.SetImageBit(bytemap::kF1Function, bytemap::kF1ToggleBitB, toggle);
  image.SetImageBit(bytemap::kF1Function, bytemap::kF1ToggleBitA, toggle);
  image.SetImageBit(bytemap::kF1Function, bytemap::kF1EmsBypassBit, 0);
  CONTROL_FUNC_F1().Select(kControlByEms);
}

void StartF1Keys::ShowModeControls() {
  const bool toggle = F1_MODE().Index() == kToggle;
  ACCDELAY_DOWN_F1().SetVisible(!toggle);
  // On the six-pair unit pair 5's own lists carry the emergency-stop choice.
  CONTROL_FUNC_F1().SetVisible(toggle && !window_.Pairs().PairFiveFrame().Visible());
}

void StartF1Keys::CONTROL_FUNC_F1_Click() {
  // The F1 key's emergency-stop choice is pair 5's bypass bit.
  window_.Pairs().CONTROL_FUNC_UD(11).Select(CONTROL_FUNC_F1().Index());
}

void StartF1Keys::R0_KEY_EMS_Click() {
  window_.Image().SetImageBit(bytemap::kPowerOnMode, bytemap::kPowerOnStartBypassesEmsBit,
                              R0_KEY_EMS().Index() == kControlByEms ? 0 : 1);
}

void StartF1Keys::DecodeF1Key() {
  if (window_.Controls().Get<TextField>("RC_MODETYPES").Text() == kSixPairModelText) {
    F1_MODE().SetVisible(false);
    ACCDELAY_DOWN_F1().SetVisible(false);
    CONTROL_FUNC_F1().SetVisible(false);
    return;
  }
  const std::string bits = BitPattern(window_.Image().ReadImageByte(bytemap::kF1Function));
  const auto bitAt = [&](int position) { return bits[static_cast<std::size_t>(position - 1)]; };
  const std::string key{bitAt(bytemap::kF1EmsBypassBit), bitAt(bytemap::kF1ToggleBitA), bitAt(bytemap::kF1ToggleBitB)};
  if (const auto row = F1RowOf(key)) {
    F1_MODE().Select(row->mode);
    CONTROL_FUNC_F1().Select(row->ems);
  }
  // A mode the list showed already ran no handler; the window layout may
  // have shown or hidden these since.
  ShowModeControls();
}

}  // namespace k9r
