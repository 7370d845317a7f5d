#include "core/ByteMap.h"

#include <array>

namespace k9r::bytemap {

namespace {

constexpr std::array kFields{
    Field{"lower half", kLowerHalf, kLowerHalfSize, false},
    Field{"ID code", kIdCode, kIdCodeSize, true},
    Field{"unused 1088", 0x1088, 8, false},
    Field{"power-on mode byte", kPowerOnMode, 1, true},
    Field{"unused 1091", 0x1091, 1, false},
    Field{"switch option byte", kSwitchOptions, 1, true},
    Field{"unit option byte", kUnitOptions, 1, true},
    Field{"unused 1094", 0x1094, 1, false},
    Field{"EMS times byte", kEmsTimes, 1, true},
    Field{"receiver auto-off count", kRxAutoOffCount, kAutoOffCountSize, true},
    Field{"transmitter auto-off count", kTxAutoOffCount, kAutoOffCountSize, true},
    Field{"LED off-time word", kLedOffTime, kLedOffTimeSize, true},
    Field{"function byte of pair 0", PairFunctionAddress(0), 1, true},
    Field{"option byte of pair 0", PairOptionAddress(0), 1, true},
    Field{"function byte of pair 1", PairFunctionAddress(1), 1, true},
    Field{"option byte of pair 1", PairOptionAddress(1), 1, true},
    Field{"function byte of pair 2", PairFunctionAddress(2), 1, true},
    Field{"option byte of pair 2", PairOptionAddress(2), 1, true},
    Field{"function byte of pair 3", PairFunctionAddress(3), 1, true},
    Field{"option byte of pair 3", PairOptionAddress(3), 1, true},
    Field{"function byte of pair 4", PairFunctionAddress(4), 1, true},
    Field{"option byte of pair 4", PairOptionAddress(4), 1, true},
    Field{"function byte of pair 5", PairFunctionAddress(5), 1, true},
    Field{"option byte of pair 5", PairOptionAddress(5), 1, true},
    Field{"interlock delay bytes", kInterlockDelayBase, kPairCount, true},
    Field{"acceleration delay bytes", kFirstKeyAccDelayBase, 2 * kPairCount, true},
    Field{"inching time byte", kInchingTime, 1, true},
    Field{"passive EMS time byte", kPassiveEmsTime, 1, true},
    Field{"key special delay bytes", kKeyDelayBase, kKeyDelayCount, true},
    Field{"unused 10CC", 0x10CC, 2, false},
    Field{"group flag byte", kGroupFlags, 1, true},
    Field{"unused 10CF", 0x10CF, 49, false},
};

}  // namespace

std::span<const Field> Fields() { return kFields; }

}  // namespace k9r::bytemap
