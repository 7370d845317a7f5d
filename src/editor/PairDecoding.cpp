#include "editor/PairDecoding.h"

#include "core/ByteMap.h"
#include "core/PairCodes.h"
#include "editor/MainWindow.h"
#include "editor/ModePresets.h"
#include "editor/PairEditing.h"
#include "editor/TimeLists.h"

namespace k9r {

namespace {

using paircodes::DecodeRule;

constexpr int kBypassMask = 0x80;
constexpr int kModeFour = 4;
constexpr int kModeNineteen = 19;
constexpr int kRKeySecondPair = paircodes::kRKeyGroupFirstPair + 1;

// A stored code with or without the emergency-stop bypass.
bool IsCodeText(const std::string& text, int code) {
  return text == ByteText(code & ~kBypassMask) || text == ByteText(code | kBypassMask);
}

// The R-key group mode whose second pair stores these bytes, or 0.
int RKeyModeOfSecondPair(const std::string& functionText, const std::string& optionText) {
  for (int mode : {paircodes::kRKeyGroupModeA, paircodes::kRKeyGroupModeB}) {
    const paircodes::ModeCode& code = paircodes::ModeCodeOf(mode);
    if (IsCodeText(functionText, code.function[1]) && optionText == ByteText(code.option[1])) return mode;
  }
  return 0;
}

}  // namespace

PairTimeTexts ReadPairTimeTexts(const SetupImage& image, int pair) {
  return {image.CellText(ImageCellIndex(bytemap::InterlockDelayAddress(pair))),
          image.CellText(ImageCellIndex(bytemap::FirstKeyAccDelayAddress(pair))),
          image.CellText(ImageCellIndex(bytemap::SecondKeyAccDelayAddress(pair)))};
}

void WritePairTimeTexts(SetupImage& image, int pair, const PairTimeTexts& times) {
  image.SetCellText(ImageCellIndex(bytemap::InterlockDelayAddress(pair)), times.interlockDelay);
  image.SetCellText(ImageCellIndex(bytemap::FirstKeyAccDelayAddress(pair)), times.firstKeyAccDelay);
  image.SetCellText(ImageCellIndex(bytemap::SecondKeyAccDelayAddress(pair)), times.secondKeyAccDelay);
}

std::array<std::string, 6> ReadGroupPairCells(const SetupImage& image) {
  std::array<std::string, 6> cells;
  const int first = bytemap::PairFunctionAddress(paircodes::kThreePairFirstPair);
  for (std::size_t i = 0; i < cells.size(); ++i) cells[i] = image.CellText(ImageCellIndex(first + static_cast<int>(i)));
  return cells;
}

PairDecoding::PairDecoding(MainWindow& window) : window_(window) {}

int PairDecoding::BUTTON_FUNC_MODE(const std::string& functionText, const std::string& optionText) {
  MainWindowState& state = window_.State();
  state.MODE_TYPES = functionText;
  const int pair = state.BUTTON_MODEL;
  if (pair < 0 || pair >= bytemap::kPairCount) return 0;
  const auto row = paircodes::FindDecodeRow(functionText, optionText);
  if (!row) return 0;
  switch (row->rule) {
    case DecodeRule::Mode:
      return Apply(row->mode, pair);
    case DecodeRule::ModeThenEms:
      Apply(row->mode, pair);
      window_.Presets().SetEmsSelection(pair, row->ems);
      return row->mode;
    case DecodeRule::RKeyGroup:
      return RKeyGroupRule(functionText, pair);
    case DecodeRule::ThreePairs:
      return ThreePairRule();
    case DecodeRule::Mode4OrRKeyGroup:
      return ModeFourOrRKeyGroup(optionText, pair);
    case DecodeRule::Mode4UnlessRKeySecondHalf:
      return ModeFourUnlessRKeySecondHalf(optionText, pair);
  }
  return 0;
}

// F "26" or "A6" with S "40": Mode 19 on its own, or the first pair of an
// R-key group, which only pair R1/R2 can be.
int PairDecoding::RKeyGroupRule(const std::string& functionText, int pair) {
  if (pair != paircodes::kRKeyGroupFirstPair) return Apply(kModeNineteen, pair);
  const bool flagged = RKeyGroupFlagSet();
  const int groupMode =
      flagged ? RKeyModeOfSecondPair(CellText(bytemap::PairFunctionAddress(kRKeySecondPair)),
                                     CellText(bytemap::PairOptionAddress(kRKeySecondPair)))
              : 0;
  if (groupMode != 0) return Apply(groupMode, paircodes::kRKeyGroupFirstPair);
  // A bypassed first pair with the group flag set but no second half
  // matches nothing.
  if (flagged && functionText == ByteText(paircodes::ModeCodeOf(kModeNineteen).function[0] | kBypassMask)) return 0;
  return Apply(kModeNineteen, pair);
}

// F "26" or "A6" with S "00": the three-pair group, whichever pair is being
// decoded, when pairs 2, 3 and 4 all store it.
int PairDecoding::ThreePairRule() {
  const paircodes::ModeCode& code = paircodes::ModeCodeOf(paircodes::kThreePairMode);
  const auto cells = ReadGroupPairCells(window_.Image());
  for (std::size_t i = 0; i < static_cast<std::size_t>(code.pairCount); ++i) {
    if (!IsCodeText(cells[2 * i], code.function[i]) || cells[2 * i + 1] != ByteText(code.option[i])) return 0;
  }
  // Each pair shows its own stored emergency-stop choice.
  MainWindowState& state = window_.State();
  for (int i = 0; i < code.pairCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    const int pair = paircodes::kThreePairFirstPair + i;
    state.BUTTON_MODEL = pair;
    state.MODE_TYPES = cells[2 * index];
    if (i == 0) {
      window_.Presets().ApplyModePreset(paircodes::kThreePairMode, PresetSource::Decoding);
    } else {
      const bool bypass = cells[2 * index] == ByteText(code.function[index] | kBypassMask);
      window_.Presets().SetEmsSelection(pair, bypass ? paircodes::kItemBypassEms : paircodes::kItemControlByEms);
    }
  }
  return paircodes::kThreePairMode;
}

// F "86": Mode 4, or the second pair of a stored Mode 21 group.
int PairDecoding::ModeFourOrRKeyGroup(const std::string& optionText, int pair) {
  const bool rKeyPair = pair == paircodes::kRKeyGroupFirstPair || pair == kRKeySecondPair;
  if (rKeyPair && optionText == "00" && StoresRKeyGroup()) {
    return Apply(paircodes::kRKeyGroupModeB, paircodes::kRKeyGroupFirstPair);
  }
  return Apply(kModeFour, pair);
}

// F "06": Mode 4, except pair R3/R4 as the second half of a stored Mode 21
// group, which decoding pair R1/R2 shows.
int PairDecoding::ModeFourUnlessRKeySecondHalf(const std::string& optionText, int pair) {
  if (pair == kRKeySecondPair && optionText == "00" && StoresRKeyGroup()) return 0;
  return Apply(kModeFour, pair);
}

// Pair 3 stores the first half of an R-key group and the group flag is set.
bool PairDecoding::StoresRKeyGroup() const {
  const paircodes::ModeCode& code = paircodes::ModeCodeOf(paircodes::kRKeyGroupModeB);
  return IsCodeText(CellText(bytemap::PairFunctionAddress(paircodes::kRKeyGroupFirstPair)), code.function[0]) &&
         CellText(bytemap::PairOptionAddress(paircodes::kRKeyGroupFirstPair)) == ByteText(code.option[0]) &&
         RKeyGroupFlagSet();
}

int PairDecoding::Apply(int mode, int pair) {
  window_.State().BUTTON_MODEL = pair;
  window_.Presets().ApplyModePreset(mode, PresetSource::Decoding);
  return mode;
}

void PairDecoding::DecodeRKeyPairs(const RKeyPairTexts& saved) {
  const auto& cells = saved.groupPairCells;
  // Decoding pair 2 has shown a three-pair group already.
  const paircodes::ModeCode& threePairs = paircodes::ModeCodeOf(paircodes::kThreePairMode);
  for (std::size_t i = 0; i < static_cast<std::size_t>(threePairs.pairCount); ++i) {
    if (cells[2 * i] == ByteText(threePairs.function[i]) && cells[2 * i + 1] == ByteText(threePairs.option[i])) return;
  }

  const auto group = paircodes::FindRKeyGroupRow(cells[2] + cells[3] + cells[4] + cells[5]);
  const int pair3Mode = DecodeSavedPair(paircodes::kRKeyGroupFirstPair, cells[2], cells[3]);
  PairEditing& pairs = window_.Pairs();
  if (group) {
    pairs.CONTROL_FUNC_UD(2 * paircodes::kRKeyGroupFirstPair).Select(group->pair3Ems);
    pairs.CONTROL_FUNC_UD(2 * paircodes::kRKeyGroupFirstPair + 1).Select(group->pair3Ems);
  }
  ShowTimes(paircodes::kRKeyGroupFirstPair, saved.pair3Times);

  // When pair 3's bytes did not make a group (its flag is clear), pair 4
  // is a pair of its own.
  const bool groupShown = pair3Mode == paircodes::kRKeyGroupModeA || pair3Mode == paircodes::kRKeyGroupModeB;
  if (group && groupShown) {
    if (group->pair4Ems) {
      window_.State().BUTTON_MODEL = kRKeySecondPair;
      pairs.CONTROL_FUNC_UD(2 * kRKeySecondPair).Select(*group->pair4Ems);
      pairs.CONTROL_FUNC_UD(2 * kRKeySecondPair + 1).Select(*group->pair4Ems);
    }
  } else {
    DecodeSavedPair(kRKeySecondPair, cells[4], cells[5]);
  }
  ShowTimes(kRKeySecondPair, saved.pair4Times);
}

int PairDecoding::DecodeSavedPair(int pair, const std::string& functionText, const std::string& optionText) {
  window_.State().BUTTON_MODEL = pair;
  return BUTTON_FUNC_MODE(functionText, optionText);
}

void PairDecoding::ShowTimes(int pair, const PairTimeTexts& times) {
  TimeLists& lists = window_.Times();
  lists.Show_DELAYTIME(pair, times.interlockDelay);
  lists.Show_ACCDELAY(pair, times.firstKeyAccDelay, 0);
  lists.Show_ACCDELAY(pair, times.secondKeyAccDelay, 1);
}

std::string PairDecoding::CellText(int address) const { return window_.Image().CellText(ImageCellIndex(address)); }

bool PairDecoding::RKeyGroupFlagSet() const {
  return bytemap::BitAt(window_.Image().ReadImageByte(bytemap::kGroupFlags), bytemap::kGroupRKeyPairsBit) == 1;
}

}  // namespace k9r
