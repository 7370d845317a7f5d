#include "editor/ModePanel.h"

#include <array>
#include <map>

#include "editor/MainWindow.h"

namespace k9r {

namespace {

// Where each mode button sits: its M1 frame and its first Label3 caption.
struct ModeBox {
  int frame;
  int firstCaption;
};
constexpr ModeBox kModeBoxes[ModePanel::kModeCount] = {
    {0, 0},   {1, 3},   {2, 6},   {3, 9},   {7, 12},  {6, 18},  {5, 15},  {4, 21},  {11, 33},
    {10, 30}, {9, 27},  {8, 24},  {15, 45}, {14, 42}, {13, 39}, {12, 36}, {19, 57}, {18, 54},
    {17, 51}, {16, 48}, {20, 60}, {21, 63}, {22, 66}, {23, 69}, {24, 72},
};

// The language-file line of each Label3 caption (Mode 25's have none).
constexpr int kModePictureLines[] = {
    100, 100, 41,  42,  100, 100, 42,  101, 100, 42,  101, 101, 39,  40,  42,  102, 102, 42,
    102, 102, 41,  41,  100, 102, 103, 103, 44,  103, 103, 43,  102, 101, 42,  42,  100, 102,
    170, 170, 41,  38,  38,  41,  37,  101, 42,  41,  37,  37,  181, 182, 184, 101, 101, 41,
    100, 101, 41,  42,  170, 170, 181, 183, 184, 101, 100, 42,  101, 100, 41,  185, 186, 41,
};

// The English item texts those lines carry for Modes 1-17.
const std::map<int, std::string>& EnglishPictureTexts() {
  static const std::map<int, std::string> texts{
      {37, "3 Speed"},        {38, "Digital 4S"}, {39, "On"},         {40, "Off"},
      {41, "Interlock"},      {42, "Non-Interlock"},                  {43, "Control by EMS"},
      {44, "Bypass EMS"},     {100, "Normal"},    {101, "Toggle"},    {102, "Dual Motor"},
      {103, "Combination"},   {170, "Dual Motor(1)"},
  };
  return texts;
}

// Modes 18-25 carry placeholders until a language file names them.
constexpr int kFirstPlaceholderMode = 18;
constexpr const char* kPlaceholderCaptions[ModePanel::kCaptionsPerMode] = {"XXXXXX", "XXXXXX", "XXXXXXXXX"};

std::string DesignCaption(int mode, int slot) {
  if (mode >= kFirstPlaceholderMode) return kPlaceholderCaptions[slot];
  return EnglishPictureTexts().at(ModePanel::ModePictureLine(ModePanel::FirstCaptionOfMode(mode) + slot));
}

// The descriptions of the less obvious key functions. Each continuation
// begins with the blanks that put it under the text after the name.
struct DescriptionText {
  ModePanel::Description labels;
  std::string_view text;
  std::string_view continuation;
};
constexpr DescriptionText kDescriptions[] = {
    {{"Label12", "Label26"},
     "Dual Motor     When 1st step pushbutton is pressed, the 1st step relay turn ON, if 2nd step is being pressed "
     "then 2nd step relay turn ON ",
     "                          and 1st step relay turn OFF. (For dual motor hoist)"},
    {{"Label14", "Label16"},
     "Dual Motor(1)  The main characteristic of Dual Motor (1) is same as Dual Motor except the 1st step relay will "
     "not be activated (bypass) ",
     "                           while pushbutton is returning from 2nd step to 1st step."},
    {{"Label15", "Label27"},
     "Combination When the two pushbuttons are being pressed simultaneously, it would result for an additional relay "
     "output(as toggle) to suit ",
     "                        some of the special application such as lighting system (No any extra pushbutton "
     "required to save the space and cost)"},
    {{"Label24", ""}, "3 speeds       By pressing the START key, it could control up to 3 speeds.", ""},
    {{"Label25", "Label28"},
     "Digital 4S       By pressing the START key, it could simulate the digital signal with the binary combination of "
     "relay output to control the digital ",
     "                          interface devices up to 4 speeds such as frequency inverter."},
};

constexpr auto DescriptionLabels() {
  std::array<ModePanel::Description, std::size(kDescriptions)> labels{};
  for (std::size_t i = 0; i < labels.size(); ++i) labels[i] = kDescriptions[i].labels;
  return labels;
}
constexpr auto kDescriptionLabels = DescriptionLabels();

// Modes 18-21 and 24 wait for the feature flags and the pair buttons;
// Mode 25 has no preset at all.
bool EnabledAtDesign(int mode) { return mode <= 17 || mode == 22 || mode == 23; }

// The frames of Modes 22-24 wait for their feature flags.
bool FrameEnabledAtDesign(int frame) { return frame < 21 || frame > 23; }

}  // namespace

ModePanel::ModePanel(MainWindow& window) : window_(window) {
  ControlSet& controls = window_.Controls();
  controls.Add<Frame>("SELECT_MODETYPE").SetVisible(false);
  for (int frame = 0; frame < kModeCount; ++frame) {
    controls.Add<Frame>(Indexed("M1", frame)).SetEnabled(FrameEnabledAtDesign(frame));
  }
  for (int mode = 1; mode <= kModeCount; ++mode) {
    const std::string name = "MODE" + std::to_string(mode) + "_BOX";
    controls.Add<Button>(name, "Mode " + std::to_string(mode)).SetEnabled(EnabledAtDesign(mode));
  }
  // Label3 elements in index order; each takes its mode's design state.
  struct CaptionOwner {
    int mode;
    int slot;
  };
  std::array<CaptionOwner, kCaptionCount> owners{};
  for (int mode = 1; mode <= kModeCount; ++mode) {
    for (int slot = 0; slot < kCaptionsPerMode; ++slot) {
      owners[static_cast<std::size_t>(FirstCaptionOfMode(mode) + slot)] = {mode, slot};
    }
  }
  for (int element = 0; element < kCaptionCount; ++element) {
    const CaptionOwner& owner = owners[static_cast<std::size_t>(element)];
    controls.Add<Label>(Indexed("Label3", element), DesignCaption(owner.mode, owner.slot))
        .SetEnabled(EnabledAtDesign(owner.mode));
  }
  controls.Add<Button>("EXIT_SELECT_MODE", "EXIT");
  for (const DescriptionText& description : kDescriptions) {
    controls.Add<Label>(std::string(description.labels.label), std::string(description.text));
    if (!description.labels.continuation.empty()) {
      controls.Add<Label>(std::string(description.labels.continuation), std::string(description.continuation));
    }
  }
}

std::span<const ModePanel::Description> ModePanel::Descriptions() { return kDescriptionLabels; }

Frame& ModePanel::SELECT_MODETYPE() const { return window_.Controls().Get<Frame>("SELECT_MODETYPE"); }
Button& ModePanel::EXIT_SELECT_MODE() const { return window_.Controls().Get<Button>("EXIT_SELECT_MODE"); }

Button& ModePanel::ModeButton(int mode) const {
  return window_.Controls().Get<Button>("MODE" + std::to_string(mode) + "_BOX");
}

Frame& ModePanel::ModeFrame(int mode) const { return window_.Controls().Get<Frame>(Indexed("M1", FrameOfMode(mode))); }

int ModePanel::FirstCaptionOfMode(int mode) { return kModeBoxes[mode - 1].firstCaption; }
int ModePanel::FrameOfMode(int mode) { return kModeBoxes[mode - 1].frame; }

int ModePanel::ModePictureLine(int element) {
  if (element < 0 || element >= static_cast<int>(std::size(kModePictureLines))) return -1;
  return kModePictureLines[element];
}

bool ModePanel::ModeOffered(int mode) const { return ModeButton(mode).Enabled() && ModeFrame(mode).Enabled(); }

void ModePanel::SetCaptionsEnabled(int first, int last, bool enabled) {
  for (int element = first; element <= last; ++element) {
    window_.Controls().Get<Label>(Indexed("Label3", element)).SetEnabled(enabled);
  }
}

void ModePanel::SetModeButtonsEnabled(std::initializer_list<int> modes, bool enabled) {
  for (int mode : modes) ModeButton(mode).SetEnabled(enabled);
}

}  // namespace k9r
