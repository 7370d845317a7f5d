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
#include "tests/editor/EditorFixture.h"

namespace k9r {

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

  // The user opens the panel with a pair button and clicks a mode box.
  void ClickMode(int pair, int mode) {
    Pairs().FUNC_MODE_SELECT(pair).Click();
    ASSERT_TRUE(Panel().ModeOffered(mode)) << "pair " << pair << " does not offer mode " << mode;
    Panel().ModeButton(mode).Click();
  }

  // The user picks an emergency-stop choice in whichever list of the pair
  // the window shows.
  void ChooseEms(int pair, int item) {
    for (int list : {2 * pair, 2 * pair + 1}) {
      Choice& shown = Pairs().CONTROL_FUNC_UD(list);
      if (shown.Visible() && shown.Enabled()) {
        shown.Select(item);
        return;
      }
    }
    FAIL() << "pair " << pair << " offers no emergency-stop choice";
  }

  // A user can choose when the pair shows an enabled emergency-stop list.
  bool OffersEmsChoice(int pair) {
    for (int list : {2 * pair, 2 * pair + 1}) {
      const Choice& shown = Pairs().CONTROL_FUNC_UD(list);
      if (shown.Visible() && shown.Enabled()) return true;
    }
    return false;
  }

  void SetAllCells(const std::array<std::string, SetupImage::kCellCount>& cells) {
    for (int cell = 0; cell < SetupImage::kCellCount; ++cell) {
      Window().Image().SetCellText(cell, cells[static_cast<std::size_t>(cell)]);
    }
  }
  std::array<std::string, SetupImage::kCellCount> AllCells() {
    std::array<std::string, SetupImage::kCellCount> cells;
    for (int cell = 0; cell < SetupImage::kCellCount; ++cell) {
      cells[static_cast<std::size_t>(cell)] = Window().Image().CellText(cell);
    }
    return cells;
  }

  // The pair steps of reading an image into the window, in the image
  // decoder's order: pairs 0, 1, 2 and 5 with their delay times put back,
  // the delay displays, the R-key pairs 3 and 4, the group flags put back,
  // and the F1 key.
  void DecodeImagePairs() {
    SetupImage& image = Window().Image();
    const std::string groupFlags = Cell(bytemap::kGroupFlags);
    State().READ_MODE = 1;
    RKeyPairTexts saved;
    for (int pair : {0, 1, 2, 5}) {
      const PairTimeTexts times = ReadPairTimeTexts(image, pair);
      if (pair == 2) saved.groupPairCells = ReadGroupPairCells(image);
      State().BUTTON_MODEL = pair;
      Decoder().BUTTON_FUNC_MODE(F(pair), S(pair));
      WritePairTimeTexts(image, pair, times);
    }
    for (int pair = 0; pair < bytemap::kPairCount; ++pair) {
      const PairTimeTexts times = ReadPairTimeTexts(image, pair);
      Window().Times().Show_DELAYTIME(pair, times.interlockDelay);
      Window().Times().Show_ACCDELAY(pair, times.firstKeyAccDelay, 0);
      Window().Times().Show_ACCDELAY(pair, times.secondKeyAccDelay, 1);
      if (pair == 3) saved.pair3Times = times;
      if (pair == 4) saved.pair4Times = times;
    }
    Decoder().DecodeRKeyPairs(saved);
    SetCell(bytemap::kGroupFlags, groupFlags);
    Window().Keys().DecodeF1Key();
    State().READ_MODE = 0;
  }

  // Pair 5 exists on the six-pair unit only; on the standard unit its
  // function byte also holds the F1 key.
  void BecomeSixPairUnit() {
    Window().Controls().Get<TextField>("RC_MODETYPES").SetText(StartF1Keys::kSixPairModelText);
    Pairs().PairFiveFrame().SetVisible(true);
  }
};

}  // namespace k9r
