#include "editor/ModePresets.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "tests/editor/PresetFixture.h"

namespace k9r {
namespace {

enum class Caption { Acc, Delay, Untouched };

// What a single-pair preset leaves on the pair it was applied to, right
// after start-up, when the last decoded function byte named no bypass.
struct PresetRow {
  int mode;
  const char* function;
  // The function byte once the user picks the other emergency-stop item,
  // or nullptr when the pair then offers no choice.
  const char* functionWithOtherEms;
  const char* option;
  const char* firstKey;
  const char* secondKey;
  const char* interlock;
  bool interlockDelayShown;
  bool accDelayUpShown;
  bool accDelayDownShown;
  bool firstEmsShown;
  bool secondEmsShown;
  bool secondEmsEnabled;
  Caption caption;
  bool setsReadMode;
};

void PrintTo(const PresetRow& row, std::ostream* out) { *out << "Mode " << row.mode; }

using enum Caption;

constexpr PresetRow kPresetRows[] = {
    {1, "B8", nullptr, "00", "Normal", "Normal", "Interlock", true, true, true, false, false, true, Acc, true},
    {2, "98", nullptr, "00", "Normal", "Normal", "Non-Interlock", false, true, true, false, false, true, Acc, true},
    {3, "0C", "8C", "00", "Normal", "Toggle", "Non-Interlock", false, true, false, false, true, true, Untouched, true},
    {4, "06", "86", "00", "Toggle", "Toggle", "Non-Interlock", false, false, false, true, true, true, Untouched, true},
    {5, "01", "81", "00", "On", "Off", "Non-Interlock", false, false, true, true, true, true, Delay, true},
    {6, "B8", nullptr, "03", "Dual Motor", "Dual Motor", "Interlock", true, true, true, false, false, true, Acc, true},
    {7, "98", nullptr, "03", "Dual Motor", "Dual Motor", "Non-Interlock", false, true, true, false, false, true, Acc,
     true},
    {8, "B8", nullptr, "01", "Dual Motor", "Normal", "Interlock", true, true, true, false, false, true, Acc, true},
    {9, "98", nullptr, "01", "Dual Motor", "Normal", "Non-Interlock", false, true, true, false, false, true, Acc, true},
    // A user's Mode 10 stores a bypass and shows it; the user may change it.
    {10, "8C", "0C", "01", "Dual Motor", "Toggle", "Non-Interlock", false, true, false, false, true, true, Untouched,
     true},
    {11, "78", nullptr, "00", "Combination", "Combination", "Control by EMS", true, true, true, false, false, true, Acc,
     true},
    {12, "F8", nullptr, "00", "Combination", "Combination", "Bypass EMS", true, true, true, false, false, true, Acc,
     true},
    {13, "F8", nullptr, "08", "3 Speed", "3 Speed", "Interlock", true, true, true, false, false, true, Acc, true},
    {14, "CC", nullptr, "18", "3 Speed", "Toggle", "Non-Interlock", false, true, false, false, true, false, Untouched,
     true},
    {15, "F8", nullptr, "04", "Digital 4S", "Digital 4S", "Interlock", true, true, true, false, false, true, Acc, false},
    {16, "B8", nullptr, "33", "Dual Motor(1)", "Dual Motor(1)", "Interlock", true, true, true, false, false, true, Acc,
     false},
    {17, "98", nullptr, "33", "Dual Motor(1)", "Dual Motor(1)", "Non-Interlock", false, true, true, false, false, true,
     Acc, false},
    {18, "2C", "AC", "40", "Normal", "Toggle", "Interlock", false, true, false, false, true, true, Untouched, false},
    {19, "26", "A6", "40", "Toggle", "Toggle", "Interlock", false, false, false, true, true, true, Untouched, false},
    {22, "12", "92", "00", "Toggle", "Normal", "Non-Interlock", false, false, true, true, true, false, Acc, true},
    {23, "32", "B2", "40", "Toggle", "Normal", "Interlock", false, false, true, true, true, false, Acc, false},
};

class SinglePairPresetTest : public PresetTest, public ::testing::WithParamInterface<PresetRow> {
 protected:
  // Shown emergency-stop lists must say what the function byte stores.
  void ExpectShownEmsListsAgreeWithTheBypassBit(int pair) {
    const int bypass = bytemap::BitAt(Window().Image().ReadImageByte(bytemap::PairFunctionAddress(pair)), 1);
    for (int list : {2 * pair, 2 * pair + 1}) {
      const Choice& ems = Pairs().CONTROL_FUNC_UD(list);
      if (ems.Visible()) {
        EXPECT_EQ(ems.Index(), bypass) << "CONTROL_FUNC_UD(" << list << ")";
      }
    }
  }
};

TEST_P(SinglePairPresetTest, WritesTheModeAndSetsThePairControls) {
  const PresetRow& row = GetParam();
  // Start from a pair whose every bit is set, so that each bit is seen written.
  SetPair(0, "FF", "FF");
  Pairs().AccDelayCaption(0).SetVisible(false);
  Pairs().DelayTimesCaption(0).SetVisible(false);
  ClickMode(0, row.mode);

  EXPECT_FALSE(Panel().SELECT_MODETYPE().Visible());
  EXPECT_EQ(F(0), row.function);
  EXPECT_EQ(S(0), row.option);
  EXPECT_EQ(ModeShown(0), "Mode " + std::to_string(row.mode));
  EXPECT_EQ(Pairs().UP_FUNC(0).Text(), row.firstKey);
  EXPECT_EQ(Pairs().DOWN_FUNC(0).Text(), row.secondKey);
  EXPECT_EQ(Pairs().INTERLOCK_UD(0).Text(), row.interlock);
  EXPECT_EQ(Pairs().INTERLOCK_DELAY_TIME_UPDN(0).Visible(), row.interlockDelayShown);
  EXPECT_EQ(Pairs().ACCDELAYUP(0).Visible(), row.accDelayUpShown);
  EXPECT_EQ(Pairs().ACCDELAY_DOWN(0).Visible(), row.accDelayDownShown);
  EXPECT_EQ(Pairs().CONTROL_FUNC_UD(0).Visible(), row.firstEmsShown);
  EXPECT_EQ(Pairs().CONTROL_FUNC_UD(1).Visible(), row.secondEmsShown);
  EXPECT_EQ(Pairs().CONTROL_FUNC_UD(1).OwnEnabled(), row.secondEmsEnabled);
  EXPECT_EQ(Pairs().AccDelayCaption(0).Visible(), row.caption == Acc);
  EXPECT_EQ(Pairs().DelayTimesCaption(0).Visible(), row.caption == Delay);
  EXPECT_EQ(State().READ_MODE, row.setsReadMode ? 1 : 0);
  ExpectShownEmsListsAgreeWithTheBypassBit(0);
  // The pair's delay times start again at 0.0.
  EXPECT_EQ(Window().Times().INTL_DelayTime_UP(0).Text(), "0.0");
  EXPECT_EQ(Window().Times().TIME_ACCDELAY_UP(0).Text(), "0.0");
  EXPECT_EQ(Window().Times().TIME_ACCDELAY_DN(0).Text(), "0.0");

  ASSERT_EQ(OffersEmsChoice(0), row.functionWithOtherEms != nullptr);
  if (!row.functionWithOtherEms) return;
  const int other = 1 - bytemap::BitAt(ParseHex(row.function), 1);
  ChooseEms(0, other);
  EXPECT_EQ(F(0), row.functionWithOtherEms);
  ExpectShownEmsListsAgreeWithTheBypassBit(0);
  ChooseEms(0, 1 - other);
  EXPECT_EQ(F(0), row.function);
}

TEST_P(SinglePairPresetTest, WritesTheSameBytesOnEveryPairThatOffersIt) {
  const PresetRow& row = GetParam();
  for (int pair = 0; pair < bytemap::kPairCount; ++pair) {
    StartedWindow started;
    MainWindow& window = started.window;
    window.Pairs().FUNC_MODE_SELECT(pair).Click();
    if (!window.Panel().ModeOffered(row.mode)) continue;
    const CellTexts before = k9r::AllCells(window.Image());
    window.Panel().ModeButton(row.mode).Click();

    const std::set<int> ownCells{bytemap::PairFunctionAddress(pair), bytemap::PairOptionAddress(pair),
                                 bytemap::kGroupFlags, bytemap::kPowerOnMode, bytemap::kInchingTime};
    for (int cell = 0; cell < SetupImage::kCellCount; ++cell) {
      const int address = SetupImage::kFirstAddress + cell;
      if (ownCells.contains(address)) continue;
      EXPECT_EQ(window.Image().CellText(cell), before[static_cast<std::size_t>(cell)])
          << "pair " << pair << " changed " << AddressText(address);
    }
    EXPECT_EQ(window.Image().CellText(ImageCellIndex(bytemap::PairFunctionAddress(pair))), row.function) << "pair " << pair;
    EXPECT_EQ(window.Image().CellText(ImageCellIndex(bytemap::PairOptionAddress(pair))), row.option) << "pair " << pair;
    EXPECT_EQ(window.Pairs().MODELTYPE_NO(pair).Text(), "Mode " + std::to_string(row.mode)) << "pair " << pair;
    if (row.caption != Untouched) {
      EXPECT_EQ(window.Pairs().AccDelayCaption(pair).Visible(), row.caption == Acc) << "pair " << pair;
      EXPECT_EQ(window.Pairs().DelayTimesCaption(pair).Visible(), row.caption == Delay) << "pair " << pair;
    }
  }
}

std::string ModeName(const ::testing::TestParamInfo<PresetRow>& row) { return "Mode" + std::to_string(row.param.mode); }

INSTANTIATE_TEST_SUITE_P(EveryMode, SinglePairPresetTest, ::testing::ValuesIn(kPresetRows), ModeName);

using ModePresetTest = PresetTest;

// The presets that show the emergency-stop lists restore them from the
// function byte the decoding saw last.
TEST_F(ModePresetTest, ShownEmsListsFollowTheLastDecodedFunctionByte) {
  struct Case {
    int mode;
    const char* decoded;
    const char* function;
  };
  const Case cases[] = {
      {3, "8C", "8C"}, {3, "0C", "0C"}, {3, "CC", "0C"}, {4, "86", "86"}, {5, "81", "81"}, {5, "A1", "01"},
      {18, "AC", "AC"}, {19, "A6", "A6"}, {19, "26", "26"}, {22, "92", "92"}, {23, "B2", "B2"}, {23, "32", "32"},
  };
  for (const Case& c : cases) {
    State().MODE_TYPES = c.decoded;
    ClickMode(1, c.mode);
    EXPECT_EQ(F(1), c.function) << "Mode " << c.mode << " after " << c.decoded;
    EXPECT_EQ(Pairs().CONTROL_FUNC_UD(3).Index(), bytemap::BitAt(ParseHex(c.function), 1)) << "Mode " << c.mode;
  }
}

// Whatever was decoded last, a user's Mode 10 or 14 stores a bypass, and
// the window says so.
TEST_F(ModePresetTest, UsersModeTenAndFourteenShowTheBypassTheyStore) {
  for (const char* decoded : {"", "0C", "8C", "CC", "4C"}) {
    State().MODE_TYPES = decoded;
    ClickMode(0, 10);
    EXPECT_EQ(F(0), "8C") << decoded;
    EXPECT_EQ(Pairs().CONTROL_FUNC_UD(1).Text(), "Bypass EMS") << decoded;
    ClickMode(0, 14);
    EXPECT_EQ(F(0), "CC") << decoded;
    EXPECT_EQ(Pairs().CONTROL_FUNC_UD(1).Text(), "Bypass EMS") << decoded;
    EXPECT_FALSE(Pairs().CONTROL_FUNC_UD(1).Enabled());
  }
}

// Applied by the decoding, Modes 10 and 14 keep the stored choice.
TEST_F(ModePresetTest, DecodedModeTenAndFourteenKeepTheStoredEmergencyStopChoice) {
  struct Case {
    int mode;
    const char* decoded;
    const char* function;
    const char* ems;
  };
  const Case cases[] = {
      {10, "0C", "0C", "Control by EMS"}, {10, "8C", "8C", "Bypass EMS"},
      {14, "4C", "4C", "Control by EMS"}, {14, "CC", "CC", "Bypass EMS"},
  };
  for (const Case& c : cases) {
    State().MODE_TYPES = c.decoded;
    Presets().ApplyModePreset(c.mode, PresetSource::Decoding);
    EXPECT_EQ(F(0), c.function) << "Mode " << c.mode << " from " << c.decoded;
    EXPECT_EQ(Pairs().CONTROL_FUNC_UD(1).Text(), c.ems) << "Mode " << c.mode << " from " << c.decoded;
  }
}

TEST_F(ModePresetTest, ThreeSpeedAndDigitalModesNeedTheInchingPowerOn) {
  for (int mode : {13, 14, 15}) {
    Window().Controls().Get<Choice>("POWER_ON_MODE").Select(0);
    ClickMode(0, mode);
    EXPECT_EQ(Window().Controls().Get<Choice>("POWER_ON_MODE").Text(), "Inching / Acceleration") << mode;
  }
}

TEST_F(ModePresetTest, ModeFifteenClearsEveryOtherOptionBit) {
  ClickMode(0, 16);
  ASSERT_EQ(S(0), "33");
  ClickMode(0, 15);
  EXPECT_EQ(S(0), "04");
}

TEST_F(ModePresetTest, CleanClearsFourOptionBitsOfButtonModel) {
  SetPair(3, "7F", "FF");
  State().BUTTON_MODEL = 3;
  Presets().cleanSSp1_2();
  EXPECT_EQ(S(3), "CC");
  EXPECT_EQ(F(3), "7F");
}

TEST_F(ModePresetTest, ExitClosesThePanelAndChangesNoCell) {
  const auto before = AllCells();
  Pairs().FUNC_MODE_SELECT(2).Click();
  ASSERT_TRUE(Panel().SELECT_MODETYPE().Visible());
  Panel().EXIT_SELECT_MODE().Click();
  EXPECT_FALSE(Panel().SELECT_MODETYPE().Visible());
  EXPECT_EQ(AllCells(), before);
}

// The 25th box has no preset.
TEST_F(ModePresetTest, ModeTwentyFiveAndNonsenseChangeNothing) {
  const auto before = AllCells();
  Panel().ModeButton(25).Click();
  for (int mode : {0, 25, -1, 99}) Presets().ApplyModePreset(mode);
  // A group would run past the last pair.
  State().BUTTON_MODEL = 5;
  Presets().ApplyModePreset(20);
  Presets().ApplyModePreset(24);
  State().BUTTON_MODEL = 4;
  Presets().ApplyModePreset(24);
  EXPECT_EQ(AllCells(), before);
}

// Pair 5's design-time mode list stops at Mode 20; a preset adds the rest.
TEST_F(ModePresetTest, PairFiveGetsTheModeItemsItLacks) {
  ASSERT_EQ(Pairs().MODELTYPE_NO(5).ListCount(), 20);
  ClickMode(5, 23);
  EXPECT_EQ(ModeShown(5), "Mode 23");
  EXPECT_EQ(Pairs().MODELTYPE_NO(5).Items().back(), "Mode 23");
  EXPECT_EQ(F(5), "32");
}

}  // namespace
}  // namespace k9r
