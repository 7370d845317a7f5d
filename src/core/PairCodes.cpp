#include "core/PairCodes.h"

namespace k9r::paircodes {

namespace {

using enum BypassBit;
using enum GroupEffect;

constexpr ModeCode kModeCodes[kLastMode] = {
    // up, down, interlock, bypass, pairs, F, S, groups
    {0, 0, 0, Set, 1, {0xB8}, {0x00}, BreaksGroups},               // 1 Normal, interlocked
    {0, 0, 1, Set, 1, {0x98}, {0x00}, BreaksGroups},               // 2 Normal
    {0, 1, 1, Selection, 1, {0x0C}, {0x00}, BreaksGroups},         // 3
    {1, 1, 1, Selection, 1, {0x06}, {0x00}, BreaksGroups},         // 4 Toggle
    {6, 6, 1, Selection, 1, {0x01}, {0x00}, BreaksGroups},         // 5 On / Off
    {2, 2, 0, Set, 1, {0xB8}, {0x03}, None},                       // 6 Dual Motor
    {2, 2, 1, Set, 1, {0x98}, {0x03}, None},                       // 7
    {2, 0, 0, Set, 1, {0xB8}, {0x01}, None},                       // 8
    {2, 0, 1, Set, 1, {0x98}, {0x01}, None},                       // 9
    {2, 1, 1, SelectionThenSet, 1, {0x8C}, {0x01}, None},          // 10
    {3, 3, 2, Clear, 1, {0x78}, {0x00}, None},                     // 11 Combination
    {3, 3, 3, Set, 1, {0xF8}, {0x00}, None},                       // 12
    {4, 4, 0, Set, 1, {0xF8}, {0x08}, None},                       // 13 3 Speed
    {4, 1, 1, SelectionThenSet, 1, {0xCC}, {0x18}, None},          // 14
    {5, 5, 0, Set, 1, {0xF8}, {0x04}, None},                       // 15 Digital 4S
    {7, 7, 0, Set, 1, {0xB8}, {0x33}, None},                       // 16 Dual Motor(1)
    {7, 7, 1, Set, 1, {0x98}, {0x33}, BreaksGroups},               // 17
    {0, 1, 0, Selection, 1, {0x2C}, {0x40}, BreaksGroups},         // 18
    {1, 1, 0, Selection, 1, {0x26}, {0x40}, BreaksGroups},         // 19
    {8, 9, 4, Selection, 2, {0x26, 0x12}, {0x40, 0x00}, JoinsRKeyPairs},   // 20
    {8, 10, 4, Selection, 2, {0x26, 0x06}, {0x40, 0x00}, JoinsRKeyPairs},  // 21
    {1, 0, 1, Selection, 1, {0x12}, {0x00}, BreaksGroups},         // 22
    {1, 0, 0, Selection, 1, {0x32}, {0x40}, BreaksGroups},         // 23
    {1, 1, 0, Selection, 3, {0x26, 0x26, 0x26}, {0x00, 0x00, 0x00}, JoinsThreePairs},  // 24
};

using enum DecodeRule;

// Several function bytes are read as one mode: older units store some
// modes with other bits in positions 1-3.
constexpr DecodeRow kDecodeRows[] = {
    {"F8", "00", Mode, 12, 0}, {"F8", "04", Mode, 15, 0}, {"F8", "08", Mode, 13, 0},
    {"78", "00", Mode, 11, 0}, {"78", "04", Mode, 15, 0}, {"78", "08", Mode, 13, 0},
    {"B8", "00", Mode, 1, 0},  {"B8", "01", Mode, 8, 0},  {"B8", "03", Mode, 6, 0},  {"B8", "33", Mode, 16, 0},
    {"38", "00", Mode, 1, 0},  {"38", "01", Mode, 8, 0},  {"38", "03", Mode, 6, 0},
    {"98", "00", Mode, 2, 0},  {"98", "01", Mode, 9, 0},  {"98", "03", Mode, 7, 0},  {"98", "33", Mode, 17, 0},
    {"18", "00", Mode, 2, 0},  {"18", "01", Mode, 9, 0},  {"18", "03", Mode, 7, 0},
    {"CC", "00", Mode, 3, 0},  {"CC", "01", Mode, 10, 0},
    {"8C", "00", Mode, 3, 0},  {"8C", "01", Mode, 10, 0},
    {"0C", "00", Mode, 3, 0},  {"0C", "01", Mode, 10, 0},
    {"AC", "00", Mode, 3, 0},  {"AC", "01", Mode, 10, 0},  {"AC", "40", Mode, 18, 0},
    {"2C", "00", Mode, 3, 0},  {"2C", "01", Mode, 10, 0},  {"2C", "40", Mode, 18, 0},
    {"5C", "08", Mode, 14, 0}, {"4C", "08", Mode, 14, 0},
    // Mode 14 as this editor stores it: with the bypass its preset sets,
    // or with the emergency stop a unit was read with.
    {"CC", "18", Mode, 14, 0}, {"4C", "18", Mode, 14, 0},
    {"A6", "40", RKeyGroup, 0, 0},  {"26", "40", RKeyGroup, 0, 0},
    {"A6", "00", ThreePairs, 0, 0}, {"26", "00", ThreePairs, 0, 0},
    {"86", "", Mode4OrRKeyGroup, 0, 0},
    {"06", "", Mode4UnlessRKeySecondHalf, 0, 0},
    {"81", "00", Mode, 5, 0},  {"81", "80", Mode, 22, 0},
    {"A1", "", Mode, 5, 0},    {"21", "", Mode, 5, 0},
    {"01", "00", Mode, 5, 0},
    {"32", "40", ModeThenEms, 23, kItemControlByEms}, {"B2", "40", ModeThenEms, 23, kItemBypassEms},
    {"12", "00", ModeThenEms, 22, kItemControlByEms}, {"92", "00", ModeThenEms, 22, kItemBypassEms},
};

// Pair 3 in Mode 20 or 21 with pair 4's half of Mode 20 ("12"/"92") or
// Mode 21 ("06"/"86").
constexpr RKeyGroupRow kRKeyGroupRows[] = {
    {"26401200", kItemControlByEms, std::nullopt},   {"A6401200", kItemBypassEms, kItemControlByEms},
    {"26409200", kItemControlByEms, kItemBypassEms}, {"A6409200", kItemBypassEms, kItemBypassEms},
    {"26400600", kItemControlByEms, std::nullopt},   {"A6400600", kItemBypassEms, kItemControlByEms},
    {"A6408600", kItemBypassEms, kItemBypassEms},    {"26408600", kItemControlByEms, kItemBypassEms},
};

}  // namespace

const ModeCode& ModeCodeOf(int mode) { return kModeCodes[mode - kFirstMode]; }

std::optional<DecodeRow> FindDecodeRow(std::string_view functionText, std::string_view optionText) {
  for (const DecodeRow& row : kDecodeRows) {
    if (row.function == functionText && (row.option.empty() || row.option == optionText)) return row;
  }
  return std::nullopt;
}

std::optional<RKeyGroupRow> FindRKeyGroupRow(std::string_view joinedCellTexts) {
  for (const RKeyGroupRow& row : kRKeyGroupRows) {
    if (row.cells == joinedCellTexts) return row;
  }
  return std::nullopt;
}

}  // namespace k9r::paircodes
