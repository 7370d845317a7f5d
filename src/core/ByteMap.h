#pragma once

#include <span>
#include <string_view>

// Where each setting lives in the setup image (device addresses). Bit
// positions are those of SetImageBit: 1 = 0x80 ... 8 = 0x01.
namespace k9r::bytemap {

// Lower half: raw cells only, never read from or written to a unit.
inline constexpr int kLowerHalf = 0x1000;
inline constexpr int kLowerHalfSize = 128;
// Upper half: every setting; the block the unit keeps at 0x1080-0x10FF.
inline constexpr int kUpperHalf = 0x1080;
inline constexpr int kUpperHalfSize = 128;
inline constexpr int kFirstUpperCell = 128;

inline constexpr int kIdCode = 0x1080;
inline constexpr int kIdCodeSize = 8;

// The bit at a SetImageBit position (1 = 0x80 ... 8 = 0x01) of a byte: 0 or 1.
constexpr int BitAt(int byteValue, int position) { return (byteValue >> (8 - position)) & 1; }

// Power-on mode byte.
inline constexpr int kPowerOnMode = 0x1090;
inline constexpr int kPowerOnStartBypassesEmsBit = 1;
inline constexpr int kPowerOnInchingBit = 7;
inline constexpr int kPowerOnToggleBit = 8;

// Switch option byte.
inline constexpr int kSwitchOptions = 0x1092;
inline constexpr int kSwitchPowerModeEuBit = 2;
inline constexpr int kSwitchStartKeyPowerOnBit = 3;
inline constexpr int kSwitchTxAutoOffBit = 4;
inline constexpr int kSwitchLowBatteryWarningOffBit = 5;
inline constexpr int kSwitchPassivePowerOffBit = 6;
inline constexpr int kSwitchContinuousNoAutoOffBit = 7;
inline constexpr int kSwitchContinuousAutoOffBit = 8;

// Unit option byte.
inline constexpr int kUnitOptions = 0x1093;
inline constexpr int kUnitTxLedOnBit = 3;
inline constexpr int kUnitSavePowerBit = 4;
inline constexpr int kUnitRxAutoOffBit = 5;
inline constexpr int kUnitRemoteSetDisabledCopyBit = 6;
inline constexpr int kUnitRemoteSetDisabledBit = 7;
inline constexpr int kUnitBatteryControlBit = 8;

inline constexpr int kEmsTimes = 0x1095;
inline constexpr int kRxAutoOffCount = 0x1096;
inline constexpr int kTxAutoOffCount = 0x109A;
inline constexpr int kAutoOffCountSize = 4;
inline constexpr int kLedOffTime = 0x109E;
inline constexpr int kLedOffTimeSize = 2;

// Button pairs p = 0..5: Up/Down, East/West, South/North, R1/R2, R3/R4, R5/R6.
inline constexpr int kPairCount = 6;
inline constexpr int kPairFunctionBase = 0x10A0;
inline constexpr int kPairOptionBase = 0x10A1;
inline constexpr int kPairEmsBypassBit = 1;
inline constexpr int kInterlockDelayBase = 0x10AC;
inline constexpr int kFirstKeyAccDelayBase = 0x10B2;
inline constexpr int kSecondKeyAccDelayBase = 0x10B3;

constexpr int PairFunctionAddress(int pair) { return kPairFunctionBase + 2 * pair; }
constexpr int PairOptionAddress(int pair) { return kPairOptionBase + 2 * pair; }
constexpr int InterlockDelayAddress(int pair) { return kInterlockDelayBase + pair; }
constexpr int FirstKeyAccDelayAddress(int pair) { return kFirstKeyAccDelayBase + 2 * pair; }
constexpr int SecondKeyAccDelayAddress(int pair) { return kSecondKeyAccDelayBase + 2 * pair; }

// The F1 key shares the function byte of pair 5, and its delay byte.
inline constexpr int kF1Function = PairFunctionAddress(5);
inline constexpr int kF1EmsBypassBit = 1;
inline constexpr int kF1ToggleBitA = 3;
inline constexpr int kF1ToggleBitB = 7;
inline constexpr int kF1Delay = SecondKeyAccDelayAddress(5);

inline constexpr int kInchingTime = 0x10BE;
inline constexpr int kPassiveEmsTime = 0x10BF;

// One byte per key: Up, Down, East, West, South, North, R1 ... R6.
inline constexpr int kKeyDelayBase = 0x10C0;
inline constexpr int kKeyDelayCount = 12;
constexpr int KeyDelayAddress(int key) { return kKeyDelayBase + key; }

inline constexpr int kGroupFlags = 0x10CE;
inline constexpr int kGroupRKeyPairsBit = 8;
inline constexpr int kGroupThreePairsBit = 7;

// One named field of the map. Uninterpreted gaps are fields too, so that the
// map accounts for every address exactly once.
struct Field {
  std::string_view name;
  int address;
  int size;
  bool interpreted;
};

std::span<const Field> Fields();

}  // namespace k9r::bytemap
