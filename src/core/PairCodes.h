#pragma once

#include <array>
#include <optional>
#include <string_view>

// The codes of the button pairs: what each mode preset stores in a pair's
// function byte F and option byte S, and how stored bytes are read back as
// a mode. Bit positions are those of SetImageBit (1 = 0x80 ... 8 = 0x01).
namespace k9r::paircodes {

// Modes 1-24 have a preset; the panel's 25th button has none.
inline constexpr int kFirstMode = 1;
inline constexpr int kLastMode = 24;

// Modes that join pairs.
inline constexpr int kRKeyGroupModeA = 20;  // pairs R1/R2 and R3/R4
inline constexpr int kRKeyGroupModeB = 21;
inline constexpr int kThreePairMode = 24;   // pairs South/North, R1/R2, R3/R4
inline constexpr int kRKeyGroupFirstPair = 3;
inline constexpr int kThreePairFirstPair = 2;

// Items of the emergency-stop lists CONTROL_FUNC_UD.
inline constexpr int kItemControlByEms = 0;
inline constexpr int kItemBypassEms = 1;

// Position 1 of F, the pair's emergency-stop bypass.
enum class BypassBit {
  Clear,      // written 0
  Set,        // written 1
  Selection,  // follows the pair's emergency-stop lists
  // The lists are shown and follow the stored choice, and a preset chosen
  // by the user then stores a bypass (Modes 10 and 14).
  SelectionThenSet,
};

// What the preset does to the group flags of 0x10CE.
enum class GroupEffect {
  None,
  // Ends an R-key group on pairs 3/4 and resets the pairs of a group the
  // preset breaks (the presets with the group check).
  BreaksGroups,
  JoinsRKeyPairs,
  JoinsThreePairs,
};

struct ModeCode {
  int upItem;         // UP_FUNC
  int downItem;       // DOWN_FUNC
  int interlockItem;  // INTERLOCK_UD
  BypassBit bypass;
  int pairCount;  // pairs the preset writes: p, p + 1, ...
  // F and S of each written pair; position 1 of F as `bypass` says.
  std::array<int, 3> function;
  std::array<int, 3> option;
  GroupEffect group;
};

// mode 1-24.
const ModeCode& ModeCodeOf(int mode);

// How a pair's stored bytes are read back.
enum class DecodeRule {
  Mode,          // the row's mode
  ModeThenEms,   // the row's mode, then the pair's emergency-stop lists := ems
  RKeyGroup,     // F "26"/"A6", S "40": Mode 19, or Mode 20/21 on pairs 3-4
  ThreePairs,    // F "26"/"A6", S "00": Mode 24 when pairs 2-4 all hold it
  Mode4OrRKeyGroup,         // F "86": Mode 4, or Mode 21 on pairs 3-4
  Mode4UnlessRKeySecondHalf,  // F "06": Mode 4, or nothing on pair 4 of a Mode 21 group
};

struct DecodeRow {
  std::string_view function;
  std::string_view option;  // empty: any option byte
  DecodeRule rule;
  int mode;
  int ems;
};

// Cell texts are compared exactly: a lower-case or one-digit text is no code.
std::optional<DecodeRow> FindDecodeRow(std::string_view functionText, std::string_view optionText);

// An R-key group as stored in pairs 3 and 4 (texts of 0x10A6-0x10A9 joined)
// and the emergency-stop choices the two pairs then get.
struct RKeyGroupRow {
  std::string_view cells;
  int pair3Ems;
  // Unset: pair 4 keeps what the group preset gave it.
  std::optional<int> pair4Ems;
};

std::optional<RKeyGroupRow> FindRKeyGroupRow(std::string_view joinedCellTexts);

}  // namespace k9r::paircodes
