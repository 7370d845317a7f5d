// Setting every control from the image, in the one order that works: the
// selection handlers rewrite cells while the decoding still reads them, so
// some cells are taken before any handler runs and some are put back after.
#include "core/ByteMap.h"
#include "core/TimeTables.h"
#include "device/RW.h"
#include "editor/MainWindow.h"
#include "editor/PairDecoding.h"
#include "editor/SpecialFunctions.h"
#include "editor/StartF1Keys.h"
#include "editor/TimeLists.h"
#include "editor/UnitTransfer.h"

namespace k9r {

namespace {

using namespace bytemap;

constexpr int kDecodedPairs[] = {0, 1, 2, 5};  // pairs 3 and 4 come last, together

// The positions of the switch and unit option bytes that the decoding rules
// read. The handlers of the lists those rules select write some of them as a
// side effect (a timer list switches its auto-off on, a transmit mode clears
// the auto-off), so after the rules the stored bits are put back: every
// list already shows them.
constexpr int kDecodedSwitchBits[] = {kSwitchPowerModeEuBit,          kSwitchStartKeyPowerOnBit,
                                      kSwitchTxAutoOffBit,            kSwitchLowBatteryWarningOffBit,
                                      kSwitchPassivePowerOffBit,      kSwitchContinuousNoAutoOffBit,
                                      kSwitchContinuousAutoOffBit};
constexpr int kDecodedUnitBits[] = {kUnitTxLedOnBit, kUnitSavePowerBit, kUnitRxAutoOffBit, kUnitRemoteSetDisabledBit,
                                    kUnitBatteryControlBit};

template <std::size_t N>
void PutBackStoredBits(SetupImage& image, int address, int storedByte, const int (&positions)[N]) {
  for (int position : positions) image.SetImageBit(address, position, BitAt(storedByte, position));
}

std::string JoinedCellTexts(const SetupImage& image, int firstAddress, int count) {
  std::string joined;
  for (int address = firstAddress; address < firstAddress + count; ++address) {
    joined += image.CellText(ImageCellIndex(address));
  }
  return joined;
}

}  // namespace

bool UnitTransfer::DecodeFields() {
  SetupImage& image = window_.Image();
  MainWindowState& state = window_.State();
  SpecialFunctions& specials = window_.Specials();
  TimeLists& times = window_.Times();
  const auto text = [&image](int address) { return image.CellText(ImageCellIndex(address)); };
  // The bit rules read a cell's text as hexadecimal, as it stands.
  const auto storedBits = [&text](int address) { return ParseHex(text(address)); };

  const std::string powerOnMode = text(kPowerOnMode);
  const std::string txAutoOffCount = JoinedCellTexts(image, kTxAutoOffCount, kAutoOffCountSize);
  const std::string rxAutoOffCount = JoinedCellTexts(image, kRxAutoOffCount, kAutoOffCountSize);
  const std::string inchingTime = text(kInchingTime);
  const std::string groupFlags = text(kGroupFlags);

  const int switchByte = storedBits(kSwitchOptions);
  specials.DecodePowerSwitchByEuBit(switchByte);
  // The whole transmit-mode rule already here: by the timer bit alone a unit
  // that sends continuously without the timer would pass for Non-Continuous,
  // whose handler clears its auto-off and refuses its Power-Off.
  specials.DecodeTransmitMode(switchByte);
  specials.DecodePowerSwitch(switchByte);
  specials.DecodeTxAutoOffSwitch(switchByte);
  specials.ShowTxAutoOffTimes(txAutoOffCount);
  specials.DecodeLowerBattery(switchByte);
  specials.DecodePassiveAct(switchByte);
  specials.DecodeTransmitMode(switchByte);

  const int unitByte = storedBits(kUnitOptions);
  specials.DecodeLedSwitch(unitByte);
  specials.DecodeSavePower(unitByte);
  specials.DecodeRxAutoOffSwitch(unitByte);
  specials.ShowRxAutoOffTimes(rxAutoOffCount);
  specials.DecodeRemoteSet(unitByte);
  specials.DecodeBatteryControl(unitByte);
  PutBackStoredBits(image, kSwitchOptions, switchByte, kDecodedSwitchBits);
  PutBackStoredBits(image, kUnitOptions, unitByte, kDecodedUnitBits);
  specials.DecodeEmsTimes(text(kEmsTimes));

  RKeyPairTexts rKeyPairs;
  for (int pair : kDecodedPairs) {
    const PairTimeTexts pairTimes = ReadPairTimeTexts(image, pair);
    if (pair == 2) rKeyPairs.groupPairCells = ReadGroupPairCells(image);
    state.BUTTON_MODEL = pair;
    window_.PairDecoder().BUTTON_FUNC_MODE(text(PairFunctionAddress(pair)), text(PairOptionAddress(pair)));
    // The preset reset the pair's times; the stored ones are shown below.
    WritePairTimeTexts(image, pair, pairTimes);
  }

  rKeyPairs.pair3Times = ReadPairTimeTexts(image, 3);
  rKeyPairs.pair4Times = ReadPairTimeTexts(image, 4);
  for (int pair = 0; pair < kPairCount; ++pair) times.Show_DELAYTIME(pair, text(InterlockDelayAddress(pair)));
  for (int pair = 0; pair < kPairCount; ++pair) {
    times.Show_ACCDELAY(pair, text(FirstKeyAccDelayAddress(pair)), 0);
    times.Show_ACCDELAY(pair, text(SecondKeyAccDelayAddress(pair)), 1);
  }
  times.Show_INCHTIME(0, inchingTime);
  times.Show_PASS_EMS_TIME(0, text(kPassiveEmsTime));

  if (!specials.DecodePowerOnMode(powerOnMode)) {
    specials.List("POWER_ON_MODE").Select(0);
    window_.Ui().ShowMessage(MessageIcon::Error, " K9R Message", "1090H ==POWER ON MODE ERROR==", MessageButtons::Ok);
    window_.Ui().SetBusy(false);
    window_.EnableFormControls();
    return false;
  }
  // The inching power-on mode selected the default inching time.
  times.Show_INCHTIME(0, inchingTime);
  // The per-key delays are not read from the unit: every decode shows, and
  // stores, their default.
  for (int key = 0; key < kKeyDelayCount; ++key) times.KeyDelayList(key).Select(timetables::kKeyDelayDefaultItem);
  window_.PairDecoder().DecodeRKeyPairs(rKeyPairs);
  times.TIME_ACCDELAY_DN_F1().Select(times.TIME_ACCDELAY_DN(5).Index());
  // The presets may have changed the group flags while decoding the pairs.
  image.SetCellText(ImageCellIndex(kGroupFlags), groupFlags);
  window_.Keys().DecodeF1Key();

  state.READ_MODE = 0;
  ReportReadFailure(window_.Ui(), Link().SYNC_CONNECT);
  window_.Ui().SetBusy(false);
  window_.ProgressBar1().SetValue(100);
  return true;
}

}  // namespace k9r
