#include <gtest/gtest.h>

#include "tests/editor/PresetFixture.h"

namespace k9r {
namespace {

class GroupPresetTest : public PresetTest {
 protected:
  void ExpectMode(int pair, int mode, const char* function, const char* option) {
    EXPECT_EQ(ModeShown(pair), "Mode " + std::to_string(mode)) << "pair " << pair;
    EXPECT_EQ(F(pair), function) << "pair " << pair;
    EXPECT_EQ(S(pair), option) << "pair " << pair;
  }
  Choice& Ems(int list) { return Pairs().CONTROL_FUNC_UD(list); }
};

TEST_F(GroupPresetTest, ModeTwentyJoinsTheRKeyPairs) {
  SetCell(bytemap::kGroupFlags, "00");
  Window().Times().INTL_DelayTime_UP(4).Select(5);
  const std::string pair4Delay = Cell(bytemap::InterlockDelayAddress(4));
  ClickMode(3, 20);

  ExpectMode(3, 20, "26", "40");
  ExpectMode(4, 20, "12", "00");
  EXPECT_EQ(GroupFlags(), 0x01);
  EXPECT_EQ(State().READ_MODE, 0);
  for (int pair : {3, 4}) {
    // Without a language file the lists gain the group items the file would give them.
    EXPECT_EQ(Pairs().UP_FUNC(pair).Text(), "Group") << pair;
    EXPECT_EQ(Pairs().DOWN_FUNC(pair).Text(), "Group 1") << pair;
    EXPECT_EQ(Pairs().INTERLOCK_UD(pair).Text(), "Group-Interlock") << pair;
    EXPECT_FALSE(Pairs().INTERLOCK_DELAY_TIME_UPDN(pair).Visible()) << pair;
    EXPECT_FALSE(Pairs().ACCDELAYUP(pair).Visible()) << pair;
  }
  EXPECT_FALSE(Pairs().ACCDELAY_DOWN(3).Visible());
  EXPECT_TRUE(Pairs().ACCDELAY_DOWN(4).Visible());
  for (int list : {6, 7, 8}) {
    EXPECT_TRUE(Ems(list).Visible()) << list;
    EXPECT_TRUE(Ems(list).Enabled()) << list;
    EXPECT_EQ(Ems(list).Text(), "Control by EMS") << list;
  }
  EXPECT_FALSE(Ems(9).Visible());
  EXPECT_FALSE(Ems(9).OwnEnabled());
  EXPECT_TRUE(Pairs().AccDelayCaption(3).Visible());
  EXPECT_FALSE(Pairs().DelayTimesCaption(3).Visible());
  // Only the first pair's delay times start again.
  EXPECT_EQ(Cell(bytemap::InterlockDelayAddress(4)), pair4Delay);

  // Each pair keeps an emergency-stop choice of its own.
  Ems(7).Select(1);
  Ems(8).Select(1);
  EXPECT_EQ(F(3), "A6");
  EXPECT_EQ(F(4), "92");
}

TEST_F(GroupPresetTest, ModeTwentyOneShowsBothSecondPairLists) {
  ClickMode(3, 21);
  ExpectMode(3, 21, "26", "40");
  ExpectMode(4, 21, "06", "00");
  EXPECT_TRUE(RKeyGroupFlag());
  EXPECT_EQ(Pairs().DOWN_FUNC(4).Text(), "Group 2");
  for (int list : {8, 9}) {
    EXPECT_TRUE(Ems(list).Visible() && Ems(list).Enabled()) << list;
    EXPECT_EQ(Ems(list).Text(), "Control by EMS") << list;
  }
  EXPECT_FALSE(Pairs().ACCDELAY_DOWN(4).Visible());
  Ems(9).Select(1);
  EXPECT_EQ(F(4), "86");
}

// While an image is read, Mode 21 keeps the second pair's stored bypass;
// otherwise it starts at "Control by EMS".
TEST_F(GroupPresetTest, ModeTwentyOneKeepsTheSecondPairsBypassOnlyWhileReading) {
  SetPair(4, "86", "00");
  State().READ_MODE = 1;
  State().BUTTON_MODEL = 3;
  Presets().ApplyModePreset(21);
  EXPECT_EQ(F(4), "86");
  EXPECT_EQ(Ems(8).Text(), "Bypass EMS");

  SetPair(4, "86", "00");
  State().READ_MODE = 0;
  Presets().ApplyModePreset(21);
  EXPECT_EQ(F(4), "06");
  EXPECT_EQ(Ems(8).Text(), "Control by EMS");
}

TEST_F(GroupPresetTest, ModeTwentyFourJoinsThreePairs) {
  for (const char* groupFlags : {"00", "01"}) {
    ClickMode(3, 1);  // pair 3 was in Mode 1
    SetCell(bytemap::kGroupFlags, groupFlags);
    ClickMode(2, 24);
    for (int pair : {2, 3, 4}) {
      ExpectMode(pair, 24, "26", "00");
      EXPECT_EQ(Pairs().UP_FUNC(pair).Text(), "Toggle") << pair;
      EXPECT_EQ(Pairs().DOWN_FUNC(pair).Text(), "Toggle") << pair;
      EXPECT_EQ(Pairs().INTERLOCK_UD(pair).Text(), "Interlock") << pair;
      EXPECT_FALSE(Pairs().INTERLOCK_DELAY_TIME_UPDN(pair).Visible()) << pair;
      EXPECT_FALSE(Pairs().ACCDELAYUP(pair).Visible()) << pair;
      EXPECT_FALSE(Pairs().ACCDELAY_DOWN(pair).Visible()) << pair;
      for (int list : {2 * pair, 2 * pair + 1}) {
        EXPECT_TRUE(Ems(list).Visible() && Ems(list).Enabled()) << list;
        EXPECT_EQ(Ems(list).Text(), "Control by EMS") << list;
      }
    }
    EXPECT_TRUE(ThreePairFlag());
    EXPECT_EQ(RKeyGroupFlag(), groupFlags[1] == '1') << "the R-key flag keeps its value";
  }
}

TEST_F(GroupPresetTest, ModeTwentyFourTakesTheFirstPairsBypassFromTheLastDecodedByte) {
  State().MODE_TYPES = "A6";
  ClickMode(2, 24);
  EXPECT_EQ(F(2), "A6");
  EXPECT_EQ(Ems(4).Text(), "Bypass EMS");
  EXPECT_EQ(F(3), "26");
  EXPECT_EQ(F(4), "26");
}

TEST_F(GroupPresetTest, BreakingTheRKeyGroupResetsThePartner) {
  ClickMode(3, 20);
  ClickMode(3, 2);
  ExpectMode(3, 2, "98", "00");
  ExpectMode(4, 1, "B8", "00");
  EXPECT_FALSE(RKeyGroupFlag());
  EXPECT_EQ(State().BUTTON_MODEL, 4);
  // The captions are those of the pair the user chose.
  EXPECT_TRUE(Pairs().AccDelayCaption(3).Visible());

  ClickMode(3, 21);
  ClickMode(4, 5);
  ExpectMode(4, 5, "01", "00");
  ExpectMode(3, 1, "B8", "00");
  EXPECT_EQ(State().BUTTON_MODEL, 3);
  EXPECT_TRUE(Pairs().DelayTimesCaption(4).Visible());
}

TEST_F(GroupPresetTest, BreakingTheThreePairGroupResetsTheOtherTwo) {
  struct Case {
    int pair;
    int lastReset;
  };
  for (const Case& c : {Case{2, 4}, Case{3, 4}, Case{4, 2}}) {
    ClickMode(2, 24);
    ASSERT_TRUE(ThreePairFlag());
    ClickMode(c.pair, 2);
    for (int pair : {2, 3, 4}) {
      if (pair == c.pair) {
        ExpectMode(pair, 2, "98", "00");
      } else {
        ExpectMode(pair, 1, "B8", "00");
      }
    }
    EXPECT_FALSE(ThreePairFlag()) << "pair " << c.pair;
    EXPECT_EQ(State().BUTTON_MODEL, c.lastReset) << "pair " << c.pair;
  }
}

TEST_F(GroupPresetTest, JoiningTheRKeyPairsBreaksTheThreePairGroup) {
  ClickMode(2, 24);
  ClickMode(3, 21);
  ExpectMode(2, 1, "B8", "00");
  ExpectMode(3, 21, "26", "40");
  ExpectMode(4, 21, "06", "00");
  EXPECT_FALSE(ThreePairFlag());
  EXPECT_TRUE(RKeyGroupFlag());
  EXPECT_EQ(State().BUTTON_MODEL, 2);
}

TEST_F(GroupPresetTest, NoResetWithoutAGroup) {
  const auto before = AllCells();
  ClickMode(4, 2);
  auto expected = before;
  expected[ImageCellIndex(bytemap::PairFunctionAddress(4))] = "98";
  expected[ImageCellIndex(bytemap::PairOptionAddress(4))] = "00";
  expected[ImageCellIndex(bytemap::kGroupFlags)] = "FE";
  EXPECT_EQ(AllCells(), expected);
  EXPECT_EQ(State().BUTTON_MODEL, 4);
}

// Only the presets with the group check end a group.
TEST_F(GroupPresetTest, AModeWithoutTheGroupCheckLeavesTheGroup) {
  ClickMode(3, 20);
  const int flags = GroupFlags();
  State().BUTTON_MODEL = 3;
  Presets().ApplyModePreset(6);
  ExpectMode(3, 6, "B8", "03");
  ExpectMode(4, 20, "12", "00");
  EXPECT_EQ(GroupFlags(), flags);
}

}  // namespace
}  // namespace k9r
