#pragma once

#include <array>
#include <string>

#include "core/ByteMap.h"
#include "editor/ModePanel.h"
#include "editor/ModePresets.h"
#include "editor/PairDecoding.h"
#include "editor/PairEditing.h"
#include "editor/StartF1Keys.h"
#include "editor/TimeLists.h"
#include "core/Clock.h"
#include "editor/ScriptedUserInterface.h"
#include "tests/editor/EditorFixture.h"

namespace k9r {

using CellTexts = std::array<std::string, SetupImage::kCellCount>;

inline CellTexts AllCells(const SetupImage& image) {
  CellTexts cells;
  for (int cell = 0; cell < SetupImage::kCellCount; ++cell) cells[static_cast<std::size_t>(cell)] = image.CellText(cell);
  return cells;
}

inline void SetAllCells(SetupImage& image, const CellTexts& cells) {
  for (int cell = 0; cell < SetupImage::kCellCount; ++cell) image.SetCellText(cell, cells[static_cast<std::size_t>(cell)]);
}

// The user opens the panel with a pair button and clicks a mode box.
inline void ClickMode(MainWindow& window, int pair, int mode) {
  window.Pairs().FUNC_MODE_SELECT(pair).Click();
  ASSERT_TRUE(window.Panel().ModeOffered(mode)) << "pair " << pair << " does not offer mode " << mode;
  window.Panel().ModeButton(mode).Click();
}

// The pair's emergency-stop list that the user can change, or nullptr.
inline Choice* OfferedEmsList(MainWindow& window, int pair) {
  for (int list : {2 * pair, 2 * pair + 1}) {
    Choice& shown = window.Pairs().CONTROL_FUNC_UD(list);
    if (shown.Visible() && shown.Enabled()) return &shown;
  }
  return nullptr;
}

// The pair steps of reading an image into the window, in the image
// decoder's order: pairs 0, 1, 2 and 5 with their delay times put back,
// the delay displays, the R-key pairs 3 and 4, the group flags put back,
// and the F1 key.
inline void DecodeImagePairs(MainWindow& window) {
  SetupImage& image = window.Image();
  MainWindowState& state = window.State();
  const std::string groupFlags = image.CellText(ImageCellIndex(bytemap::kGroupFlags));
  state.READ_MODE = 1;
  RKeyPairTexts saved;
  for (int pair : {0, 1, 2, 5}) {
    const PairTimeTexts times = ReadPairTimeTexts(image, pair);
    if (pair == 2) saved.groupPairCells = ReadGroupPairCells(image);
    state.BUTTON_MODEL = pair;
    window.PairDecoder().BUTTON_FUNC_MODE(image.CellText(ImageCellIndex(bytemap::PairFunctionAddress(pair))),
                                          image.CellText(ImageCellIndex(bytemap::PairOptionAddress(pair))));
    WritePairTimeTexts(image, pair, times);
  }
  for (int pair = 0; pair < bytemap::kPairCount; ++pair) {
    const PairTimeTexts times = ReadPairTimeTexts(image, pair);
    window.Times().Show_DELAYTIME(pair, times.interlockDelay);
    window.Times().Show_ACCDELAY(pair, times.firstKeyAccDelay, 0);
    window.Times().Show_ACCDELAY(pair, times.secondKeyAccDelay, 1);
    if (pair == 3) saved.pair3Times = times;
    if (pair == 4) saved.pair4Times = times;
  }
  window.PairDecoder().DecodeRKeyPairs(saved);
  image.SetCellText(ImageCellIndex(bytemap::kGroupFlags), groupFlags);
  window.Keys().DecodeF1Key();
  state.READ_MODE = 0;
}

// Pair 5 exists on the six-pair unit only; on the standard unit its
// function byte also holds the F1 key.
inline void BecomeSixPairUnit(MainWindow& window) {
  window.Controls().Get<TextField>("RC_MODETYPES").SetText(StartF1Keys::kSixPairModelText);
  window.Pairs().PairFiveFrame().SetVisible(true);
}

// A window after start-up, for tests that need more than one.
struct StartedWindow {
  StartedWindow() { window.startup(); }
  ScriptedUserInterface ui;
  VirtualClock clock;
  MainWindow window{ui, clock};
};

// A started window with the pair editors, the mode panel and the pair
// decoding at hand.
class PresetTest : public EditorTest {
 protected:
  PairEditing& Pairs() { return Window().Pairs(); }
  ModePanel& Panel() { return Window().Panel(); }
  ModePresets& Presets() { return Window().Presets(); }
  PairDecoding& Decoder() { return Window().PairDecoder(); }
  MainWindowState& State() { return Window().State(); }

  const std::string& F(int pair) { return Cell(bytemap::PairFunctionAddress(pair)); }
  const std::string& S(int pair) { return Cell(bytemap::PairOptionAddress(pair)); }
  void SetPair(int pair, std::string function, std::string option) {
    SetCell(bytemap::PairFunctionAddress(pair), std::move(function));
    SetCell(bytemap::PairOptionAddress(pair), std::move(option));
  }
  int GroupFlags() { return Window().Image().ReadImageByte(bytemap::kGroupFlags); }
  bool RKeyGroupFlag() { return bytemap::BitAt(GroupFlags(), bytemap::kGroupRKeyPairsBit) == 1; }
  bool ThreePairFlag() { return bytemap::BitAt(GroupFlags(), bytemap::kGroupThreePairsBit) == 1; }
  const std::string& ModeShown(int pair) { return Pairs().MODELTYPE_NO(pair).Text(); }
  CellTexts AllCells() { return k9r::AllCells(Window().Image()); }

  void ClickMode(int pair, int mode) { k9r::ClickMode(Window(), pair, mode); }
  bool OffersEmsChoice(int pair) { return OfferedEmsList(Window(), pair) != nullptr; }
  // The user picks an emergency-stop item in the list the pair offers.
  void ChooseEms(int pair, int item) {
    Choice* list = OfferedEmsList(Window(), pair);
    ASSERT_NE(list, nullptr) << "pair " << pair << " offers no emergency-stop choice";
    list->Select(item);
  }
  void DecodeImagePairs() { k9r::DecodeImagePairs(Window()); }
};

}  // namespace k9r
