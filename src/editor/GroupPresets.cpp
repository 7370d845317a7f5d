// The presets that join pairs: Modes 20 and 21 on R1/R2 with R3/R4, and
// Mode 24 on South/North, R1/R2 and R3/R4. Their steps are in a fixed order
// because Mode 21 looks at its second pair's function byte half-written.
#include <string>

#include "core/ByteMap.h"
#include "core/PairCodes.h"
#include "editor/MainWindow.h"
#include "editor/ModePanel.h"
#include "editor/ModePresets.h"
#include "editor/PairEditing.h"
#include "editor/TimeLists.h"

namespace k9r {

namespace {

constexpr int kBypassMask = 0x80;

}  // namespace

void ModePresets::ApplyRKeyGroupPreset(int mode, PresetSource source) {
  const paircodes::ModeCode& code = paircodes::ModeCodeOf(mode);
  const bool modeTwenty = mode == paircodes::kRKeyGroupModeA;
  MainWindowState& state = window_.State();
  PairEditing& pairs = window_.Pairs();
  SetupImage& image = window_.Image();
  const int p = state.BUTTON_MODEL;
  const int q = p + 1;
  const int functionP = bytemap::PairFunctionAddress(p);
  const int optionP = bytemap::PairOptionAddress(p);
  const int functionQ = bytemap::PairFunctionAddress(q);
  const int optionQ = bytemap::PairOptionAddress(q);
  const int codeFunctionP = code.function[0];
  const int codeOptionP = code.option[0];
  const int codeFunctionQ = code.function[1];
  const int codeOptionQ = code.option[1];

  cleanSSp1_2();
  window_.Panel().SELECT_MODETYPE().SetVisible(false);

  // The first pair.
  pairs.ShowItem(PairList::FirstKey, p, code.upItem);
  WriteBits(functionP, codeFunctionP, {5, 7});
  WriteBits(optionP, codeOptionP, {8});
  pairs.ShowItem(PairList::SecondKey, p, code.downItem);
  WriteBits(functionP, codeFunctionP, {4, 6});
  WriteBits(optionP, codeOptionP, {7});
  pairs.INTERLOCK_DELAY_TIME_UPDN(p).SetVisible(modeTwenty);
  pairs.ShowItem(PairList::Interlock, p, code.interlockItem);
  pairs.CONTROL_FUNC_UD(2 * p).SetVisible(true);
  pairs.CONTROL_FUNC_UD(2 * p + 1).SetEnabled(true);
  pairs.CONTROL_FUNC_UD(2 * p + 1).SetVisible(true);
  if (state.READ_MODE != 1) SetBypassBit(p, 0);
  SetEmsSelection(p, paircodes::kItemControlByEms);
  WriteBits(functionP, codeFunctionP, {2, 8});
  WriteBits(optionP, codeOptionP, {1});
  WriteBits(functionP, codeFunctionP, {3});
  WriteBits(optionP, codeOptionP, {2, 3, 4, 6, 5});
  pairs.ACCDELAYUP(p).SetVisible(false);
  pairs.ACCDELAY_DOWN(p).SetVisible(false);
  pairs.ShowItem(PairList::Mode, p, mode - 1);
  pairs.ShowItem(PairList::Mode, q, mode - 1);

  // The second pair.
  pairs.ShowItem(PairList::FirstKey, q, code.upItem);
  WriteBits(functionQ, codeFunctionQ, {5, 7});
  WriteBits(optionQ, codeOptionQ, {8});
  pairs.ShowItem(PairList::SecondKey, q, code.downItem);
  WriteBits(functionQ, codeFunctionQ, {4, 6});
  WriteBits(optionQ, codeOptionQ, {7});
  pairs.INTERLOCK_DELAY_TIME_UPDN(q).SetVisible(false);
  pairs.ShowItem(PairList::Interlock, q, code.interlockItem);
  if (modeTwenty) {
    WriteBits(functionQ, codeFunctionQ, {3});
    WriteBits(optionQ, codeOptionQ, {2});
    pairs.ACCDELAY_DOWN(q).SetVisible(true);
    pairs.CONTROL_FUNC_UD(2 * q).SetEnabled(true);
    pairs.CONTROL_FUNC_UD(2 * q).SetVisible(true);
    pairs.CONTROL_FUNC_UD(2 * q + 1).SetEnabled(false);
    pairs.CONTROL_FUNC_UD(2 * q + 1).SetVisible(false);
  } else {
    pairs.ACCDELAYUP(q).SetVisible(false);
    pairs.ACCDELAY_DOWN(q).SetVisible(false);
    for (int list : {2 * q, 2 * q + 1}) {
      pairs.CONTROL_FUNC_UD(list).SetEnabled(true);
      pairs.CONTROL_FUNC_UD(list).SetVisible(true);
    }
  }
  if (state.READ_MODE != 1) SetBypassBit(q, 0);
  if (modeTwenty) {
    SetEmsSelection(q, paircodes::kItemControlByEms);
  } else {
    // While an image is read, Mode 21 keeps the second pair's bypass; its
    // positions 4-7 are written by now, the others still hold what was read.
    const bool bypass = image.CellText(ImageCellIndex(functionQ)) == ByteText(codeFunctionQ | kBypassMask);
    SetEmsSelection(q, bypass ? paircodes::kItemBypassEms : paircodes::kItemControlByEms);
  }
  WriteBits(functionQ, codeFunctionQ, {2, 8});
  WriteBits(optionQ, codeOptionQ, {1});
  WriteBits(functionQ, codeFunctionQ, {3});
  WriteBits(optionQ, codeOptionQ, {2, 3, 4, 6, 5});
  image.SetImageBit(bytemap::kGroupFlags, bytemap::kGroupRKeyPairsBit, 1);

  window_.Times().ZERO_ALL_DELAYTIME();
  pairs.ShowItem(PairList::Mode, q, mode - 1);
  pairs.INTERLOCK_DELAY_TIME_UPDN(p).SetVisible(false);
  if (modeTwenty) {
    pairs.CONTROL_FUNC_UD(2 * q).SetVisible(true);
    pairs.ACCDELAYUP(q).SetVisible(false);
  } else {
    pairs.INTERLOCK_DELAY_TIME_UPDN(q).SetVisible(false);
  }

  // Joining R1-R4 breaks a three-pair group that South/North still shows.
  // The decoding leaves that to the pair's own bytes.
  if (source == PresetSource::User) {
    const std::string t2 = pairs.MODELTYPE_NO(2).Text();
    const std::string t3 = pairs.MODELTYPE_NO(3).Text();
    const std::string t4 = pairs.MODELTYPE_NO(4).Text();
    const bool threePairs = t2.ends_with("24") || t3.ends_with("24") || t4.ends_with("24");
    const auto rKeys = [](const std::string& text) { return text.ends_with("20") || text.ends_with("21"); };
    if (threePairs && !t4.empty() && (rKeys(t3) || rKeys(t4))) {
      ApplyModeOneTo(paircodes::kThreePairFirstPair, false);
      image.SetImageBit(bytemap::kGroupFlags, bytemap::kGroupThreePairsBit, 0);
    }
  }

  if (modeTwenty) ShowAccDelayCaption(p, true);
}

void ModePresets::ApplyThreePairPreset() {
  const paircodes::ModeCode& code = paircodes::ModeCodeOf(paircodes::kThreePairMode);
  MainWindowState& state = window_.State();
  PairEditing& pairs = window_.Pairs();
  const int p = state.BUTTON_MODEL;

  cleanSSp1_2();
  window_.Panel().SELECT_MODETYPE().SetVisible(false);

  for (int i = 0; i < code.pairCount; ++i) {
    const int q = p + i;
    const int function = bytemap::PairFunctionAddress(q);
    const auto index = static_cast<std::size_t>(i);
    pairs.ShowItem(PairList::FirstKey, q, code.upItem);
    WriteBits(function, code.function[index], {5, 7});
    pairs.ShowItem(PairList::SecondKey, q, code.downItem);
    WriteBits(function, code.function[index], {4, 6});
    // The interlock list's text change shows the frame of BUTTON_MODEL,
    // the first pair: its frame and the last pair's are hidden below.
    pairs.ShowItem(PairList::Interlock, q, code.interlockItem);
    pairs.INTERLOCK_DELAY_TIME_UPDN(q).SetVisible(false);
    WriteBits(function, code.function[index], {3});
    WriteBits(bytemap::PairOptionAddress(q), code.option[index], {2});
    for (int list : {2 * q, 2 * q + 1}) {
      pairs.CONTROL_FUNC_UD(list).Select(paircodes::kItemControlByEms);
      pairs.CONTROL_FUNC_UD(list).SetEnabled(true);
      pairs.CONTROL_FUNC_UD(list).SetVisible(true);
    }
    pairs.ACCDELAYUP(q).SetVisible(false);
    pairs.ACCDELAY_DOWN(q).SetVisible(false);
  }
  pairs.INTERLOCK_DELAY_TIME_UPDN(p).SetVisible(false);
  pairs.INTERLOCK_DELAY_TIME_UPDN(p + code.pairCount - 1).SetVisible(false);

  // The first pair keeps the bypass of the last decoded function byte; the
  // others start at "Control by EMS".
  const bool bypass = state.MODE_TYPES == ByteText(code.function[0] | kBypassMask);
  SetEmsSelection(p, bypass ? paircodes::kItemBypassEms : paircodes::kItemControlByEms);
  for (int i = 1; i < code.pairCount; ++i) SetEmsSelection(p + i, paircodes::kItemControlByEms);

  for (int i = 0; i < code.pairCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    WriteBits(bytemap::PairFunctionAddress(p + i), code.function[index], {2, 8});
    WriteBits(bytemap::PairOptionAddress(p + i), code.option[index], {1, 3, 4, 7, 8});
  }
  for (int i = 0; i < code.pairCount; ++i) pairs.ShowItem(PairList::Mode, p + i, paircodes::kThreePairMode - 1);
  window_.Times().ZERO_ALL_DELAYTIME();
  for (int i = 0; i < code.pairCount; ++i) {
    WriteBits(bytemap::PairOptionAddress(p + i), code.option[static_cast<std::size_t>(i)], {6, 5});
  }
  window_.Image().SetImageBit(bytemap::kGroupFlags, bytemap::kGroupThreePairsBit, 1);
}

}  // namespace k9r
