#include "editor/PairDecoding.h"

#include <gtest/gtest.h>

#include "tests/editor/PresetFixture.h"

namespace k9r {
namespace {

struct DecodeCase {
  const char* function;
  const char* option;
  int mode;  // 0: nothing applied
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.function << "/" << c.option; }

// Every row of the decoding table, on a pair that belongs to no group.
constexpr DecodeCase kTable[] = {
    {"F8", "00", 12}, {"F8", "04", 15}, {"F8", "08", 13}, {"F8", "01", 0},
    {"78", "00", 11}, {"78", "04", 15}, {"78", "08", 13},
    {"B8", "00", 1},  {"B8", "01", 8},  {"B8", "03", 6},  {"B8", "33", 16}, {"B8", "40", 0},
    {"38", "00", 1},  {"38", "01", 8},  {"38", "03", 6},  {"38", "33", 0},
    {"98", "00", 2},  {"98", "01", 9},  {"98", "03", 7},  {"98", "33", 17},
    {"18", "00", 2},  {"18", "01", 9},  {"18", "03", 7},  {"18", "33", 0},
    {"CC", "00", 3},  {"CC", "01", 10}, {"8C", "00", 3},  {"8C", "01", 10}, {"0C", "00", 3}, {"0C", "01", 10},
    {"0C", "40", 0},
    {"AC", "00", 3},  {"AC", "01", 10}, {"AC", "40", 18}, {"2C", "00", 3},  {"2C", "01", 10}, {"2C", "40", 18},
    {"5C", "08", 14}, {"4C", "08", 14}, {"4C", "00", 0},
    // Mode 14 as this editor stores it.
    {"CC", "18", 14}, {"4C", "18", 14},
    {"A6", "40", 19}, {"26", "40", 19},
    {"86", "00", 4},  {"86", "33", 4},  {"06", "00", 4},  {"06", "FF", 4},
    {"81", "00", 5},  {"81", "80", 22}, {"81", "01", 0},
    {"A1", "00", 5},  {"A1", "5A", 5},  {"21", "", 5},    {"01", "00", 5}, {"01", "80", 0},
    {"32", "40", 23}, {"B2", "40", 23}, {"32", "00", 0},
    {"12", "00", 22}, {"92", "00", 22}, {"12", "40", 0},
    {"30", "00", 0},  {"FF", "FF", 0},  {"", "", 0},      {"b8", "00", 0}, {"B8", "0", 0}, {"8", "00", 0},
};

class DecodeTableTest : public PresetTest, public ::testing::WithParamInterface<DecodeCase> {};

TEST_P(DecodeTableTest, AppliesTheModeOfTheStoredBytes) {
  const DecodeCase& c = GetParam();
  for (int pair : {0, 1, 5}) {
    const auto before = AllCells();
    SetPair(pair, c.function, c.option);
    State().BUTTON_MODEL = pair;
    EXPECT_EQ(Decoder().BUTTON_FUNC_MODE(c.function, c.option), c.mode) << "pair " << pair;
    EXPECT_EQ(State().MODE_TYPES, c.function);
    if (c.mode == 0) {
      // An unknown pair is left exactly as it was.
      auto expected = before;
      expected[ImageCellIndex(bytemap::PairFunctionAddress(pair))] = c.function;
      expected[ImageCellIndex(bytemap::PairOptionAddress(pair))] = c.option;
      EXPECT_EQ(AllCells(), expected) << "pair " << pair;
      EXPECT_EQ(ModeShown(pair), "") << "pair " << pair;
    } else {
      EXPECT_EQ(ModeShown(pair), "Mode " + std::to_string(c.mode)) << "pair " << pair;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryRow, DecodeTableTest, ::testing::ValuesIn(kTable));

class PairDecodingTest : public PresetTest {
 protected:
  int Decode(int pair) {
    State().BUTTON_MODEL = pair;
    return Decoder().BUTTON_FUNC_MODE(F(pair), S(pair));
  }
  const std::string& EmsShown(int pair) { return Pairs().CONTROL_FUNC_UD(2 * pair).Text(); }
  void SetRKeyGroupFlag(bool set) { SetCell(bytemap::kGroupFlags, set ? "01" : "00"); }
  RKeyPairTexts Saved() {
    return {ReadGroupPairCells(Window().Image()), ReadPairTimeTexts(Window().Image(), 3),
            ReadPairTimeTexts(Window().Image(), 4)};
  }
};

// A decoded pair is rewritten in its preset's own bytes. The stored
// emergency-stop choice is kept where the window shows it, except that a
// function byte of another form than the preset's own reads as "Control
// by EMS" (81 with option 80 is Mode 22).
TEST_F(PairDecodingTest, DecodedPairsAreRewrittenInTheirPresetsBytes) {
  struct Case {
    const char* function;
    const char* option;
    const char* rewritten;
    const char* rewrittenOption;
    const char* ems;
  };
  const Case cases[] = {
      {"38", "00", "B8", "00", "Control by EMS"},  // hidden lists: Mode 1 always stores the bypass
      {"0C", "01", "0C", "01", "Control by EMS"}, {"8C", "01", "8C", "01", "Bypass EMS"},
      {"4C", "08", "4C", "18", "Control by EMS"}, {"5C", "08", "4C", "18", "Control by EMS"},
      {"CC", "18", "CC", "18", "Bypass EMS"},     {"12", "00", "12", "00", "Control by EMS"},
      {"92", "00", "92", "00", "Bypass EMS"},     {"81", "80", "12", "00", "Control by EMS"},
      {"86", "00", "86", "00", "Bypass EMS"},     {"06", "00", "06", "00", "Control by EMS"},
      {"B2", "40", "B2", "40", "Bypass EMS"},     {"32", "40", "32", "40", "Control by EMS"},
  };
  for (const Case& c : cases) {
    SetPair(1, c.function, c.option);
    Decode(1);
    EXPECT_EQ(F(1), c.rewritten) << c.function << "/" << c.option;
    EXPECT_EQ(S(1), c.rewrittenOption) << c.function << "/" << c.option;
    EXPECT_EQ(Pairs().CONTROL_FUNC_UD(3).Text(), c.ems) << c.function << "/" << c.option;
  }
}

TEST_F(PairDecodingTest, FirstPairOfTheRKeyGroupByItsPartnerAndFlag) {
  struct Case {
    const char* function;
    const char* pair4;
    bool flag;
    int mode;
  };
  const Case cases[] = {
      {"26", "12", true, 20},  {"26", "92", true, 20},  {"26", "06", true, 21},  {"26", "86", true, 21},
      {"26", "12", false, 19}, {"26", "2C", true, 19},  {"A6", "12", true, 20},  {"A6", "92", true, 20},
      {"A6", "06", true, 21},  {"A6", "86", true, 21},  {"A6", "86", false, 19}, {"A6", "2C", true, 0},
  };
  for (const Case& c : cases) {
    SetPair(3, c.function, "40");
    SetPair(4, c.pair4, "00");
    SetRKeyGroupFlag(c.flag);
    EXPECT_EQ(Decode(3), c.mode) << c.function << " with " << c.pair4 << (c.flag ? " flagged" : "");
  }
}

// Mode 19 on any pair but R1/R2 stays Mode 19 whatever pairs 3 and 4 hold.
TEST_F(PairDecodingTest, ModeNineteenElsewhereIgnoresTheRKeyPairs) {
  SetPair(3, "26", "40");
  SetRKeyGroupFlag(true);
  for (const char* pair4 : {"86", "92", "06", "12"}) {
    for (int pair : {0, 1, 2, 5}) {
      SetPair(4, pair4, "00");
      SetPair(pair, "26", "40");
      EXPECT_EQ(Decode(pair), 19) << "pair " << pair << " with " << pair4;
      EXPECT_EQ(State().BUTTON_MODEL, pair);
      EXPECT_EQ(F(4), pair4);
      EXPECT_EQ(ModeShown(3), "");
    }
  }
}

TEST_F(PairDecodingTest, ThreePairRuleShowsEachPairsOwnChoice) {
  SetPair(2, "A6", "00");
  SetPair(3, "26", "00");
  SetPair(4, "A6", "00");
  EXPECT_EQ(Decode(2), 24);
  for (int pair : {2, 3, 4}) EXPECT_EQ(ModeShown(pair), "Mode 24") << pair;
  EXPECT_EQ(EmsShown(2), "Bypass EMS");
  EXPECT_EQ(EmsShown(3), "Control by EMS");
  EXPECT_EQ(EmsShown(4), "Bypass EMS");
  EXPECT_EQ(F(2), "A6");
  EXPECT_EQ(F(3), "26");
  EXPECT_EQ(F(4), "A6");
  EXPECT_EQ(State().BUTTON_MODEL, 4);
  EXPECT_EQ(State().MODE_TYPES, "A6");
}

// On a standard unit pair 5's byte holds the F1 key: Toggle with Bypass
// EMS reads "A6"/"00" and reaches the three-pair rule, which must not give
// pair 2 the F1 key's bypass.
TEST_F(PairDecodingTest, ThreePairRuleFromAnotherPairKeepsPairTwosOwnChoice) {
  SetPair(2, "26", "00");
  SetPair(3, "A6", "00");
  SetPair(4, "26", "00");
  SetPair(5, "A6", "00");
  EXPECT_EQ(Decode(5), 24);
  EXPECT_EQ(F(2), "26");
  EXPECT_EQ(EmsShown(2), "Control by EMS");
  EXPECT_EQ(EmsShown(3), "Bypass EMS");
  EXPECT_EQ(F(5), "A6");
}

TEST_F(PairDecodingTest, ThreePairRuleNeedsAllThreePairs) {
  SetPair(2, "26", "00");
  SetPair(3, "B8", "00");
  SetPair(4, "26", "00");
  const auto before = AllCells();
  EXPECT_EQ(Decode(2), 0);
  EXPECT_EQ(AllCells(), before);
}

TEST_F(PairDecodingTest, SecondHalvesOfTheRKeyGroupOnPairFour) {
  // Stored Mode 21: "86" re-applies the group, "06" leaves it to pair 3.
  SetPair(3, "26", "40");
  SetRKeyGroupFlag(true);
  SetPair(4, "86", "00");
  EXPECT_EQ(Decode(4), 21);
  EXPECT_EQ(State().BUTTON_MODEL, 3);
  EXPECT_EQ(ModeShown(4), "Mode 21");

  SetPair(4, "06", "00");
  const auto before = AllCells();
  EXPECT_EQ(Decode(4), 0);
  EXPECT_EQ(AllCells(), before);

  // Without the group flag both are Mode 4 of pair 4 alone.
  SetRKeyGroupFlag(false);
  for (const char* function : {"06", "86"}) {
    SetPair(4, function, "00");
    EXPECT_EQ(Decode(4), 4) << function;
    EXPECT_EQ(State().BUTTON_MODEL, 4);
  }
}

// What the lists showed before must not decide: pair 4's "06" without a
// stored group is Mode 4 even while pair 3's list still shows Mode 21.
TEST_F(PairDecodingTest, ModeFourOnTheRKeyPairsDoesNotDependOnTheListsShown) {
  ClickMode(3, 21);
  SetPair(3, "B8", "00");
  SetPair(4, "06", "00");
  EXPECT_EQ(Decode(4), 4);
  EXPECT_EQ(ModeShown(4), "Mode 4");
  for (int pair : {3, 5}) {
    SetPair(pair, "06", "00");
    EXPECT_EQ(Decode(pair), 4) << pair;
  }
}

// The decoding shows every pair from its own bytes: a pair 2 that leaves a
// three-pair group shown by the lists must not reset pairs 3 and 4 (nor
// their delay times, which the image decoder reads after pair 2).
TEST_F(PairDecodingTest, DecodedPresetsResetNoOtherPair) {
  ClickMode(2, 24);
  SetPair(2, "98", "00");
  SetPair(3, "B8", "00");
  SetCell(bytemap::InterlockDelayAddress(3), "3E");
  const auto before = AllCells();
  EXPECT_EQ(Decode(2), 2);
  EXPECT_EQ(ModeShown(3), "Mode 24");
  EXPECT_EQ(Cell(bytemap::InterlockDelayAddress(3)), "3E");
  EXPECT_EQ(F(3), before[ImageCellIndex(bytemap::PairFunctionAddress(3))]);
  EXPECT_EQ(State().BUTTON_MODEL, 2);
}

TEST_F(PairDecodingTest, RKeyPairsOfAStoredModeTwentyGroup) {
  struct Case {
    const char* pair3;
    const char* pair4;
    const char* ems3;
    const char* ems4;
  };
  const Case cases[] = {
      {"26", "12", "Control by EMS", "Control by EMS"}, {"A6", "12", "Bypass EMS", "Control by EMS"},
      {"26", "92", "Control by EMS", "Bypass EMS"},     {"A6", "92", "Bypass EMS", "Bypass EMS"},
      {"26", "06", "Control by EMS", "Control by EMS"}, {"A6", "06", "Bypass EMS", "Control by EMS"},
      {"26", "86", "Control by EMS", "Bypass EMS"},     {"A6", "86", "Bypass EMS", "Bypass EMS"},
  };
  for (const Case& c : cases) {
    SetPair(3, c.pair3, "40");
    SetPair(4, c.pair4, "00");
    SetRKeyGroupFlag(true);
    const int mode = (c.pair4[1] == '2') ? 20 : 21;
    Decoder().DecodeRKeyPairs(Saved());
    EXPECT_EQ(ModeShown(3), "Mode " + std::to_string(mode)) << c.pair3 << c.pair4;
    EXPECT_EQ(ModeShown(4), "Mode " + std::to_string(mode)) << c.pair3 << c.pair4;
    EXPECT_EQ(EmsShown(3), c.ems3) << c.pair3 << c.pair4;
    EXPECT_EQ(EmsShown(4), c.ems4) << c.pair3 << c.pair4;
    EXPECT_EQ(F(3), c.pair3) << c.pair3 << c.pair4;
    EXPECT_EQ(F(4), c.pair4) << c.pair3 << c.pair4;
  }
}

// Without the group flag the same bytes are two pairs of their own, and
// pair 4 must be decoded whatever its list showed before.
TEST_F(PairDecodingTest, RKeyPairsWithoutTheGroupFlagAreDecodedOneByOne) {
  struct Case {
    const char* pair3;
    const char* pair4;
    int mode4;
  };
  const Case cases[] = {
      {"26", "12", 22}, {"A6", "12", 22}, {"26", "92", 22}, {"A6", "92", 22},
      {"26", "06", 4},  {"A6", "06", 4},  {"26", "86", 4},  {"A6", "86", 4},
  };
  for (const Case& c : cases) {
    for (int shownBefore : {1, 19, 20}) {
      ClickMode(0, 1);  // any preset leaves READ_MODE set, as a read does
      State().BUTTON_MODEL = 4;
      Presets().ApplyModePreset(shownBefore);
      SetPair(3, c.pair3, "40");
      SetPair(4, c.pair4, "00");
      SetRKeyGroupFlag(false);
      Decoder().DecodeRKeyPairs(Saved());
      const std::string what = std::string(c.pair3) + c.pair4 + " after Mode " + std::to_string(shownBefore);
      EXPECT_EQ(ModeShown(3), "Mode 19") << what;
      EXPECT_EQ(ModeShown(4), "Mode " + std::to_string(c.mode4)) << what;
      EXPECT_EQ(F(3), c.pair3) << what;
      EXPECT_EQ(F(4), c.pair4) << what;
    }
  }
}

TEST_F(PairDecodingTest, RKeyPairsAreSkippedAfterAThreePairGroup) {
  for (int pair : {2, 3, 4}) {
    SetPair(2, "A6", "00");
    SetPair(3, "A6", "00");
    SetPair(4, "A6", "00");
    SetPair(pair, "26", "00");
    SetPair(pair == 2 ? 3 : 2, "B8", "00");  // the group is broken: pair 2 decoded nothing
    const auto before = AllCells();
    Decoder().DecodeRKeyPairs(Saved());
    EXPECT_EQ(AllCells(), before) << "26 in pair " << pair;
  }
}

TEST_F(PairDecodingTest, RKeyPairsShowTheirSavedDelayTimes) {
  SetPair(3, "B8", "00");
  SetPair(4, "98", "00");
  RKeyPairTexts saved = Saved();
  saved.pair3Times = {"3E", "01", "01"};
  saved.pair4Times = {"01", "3E", "3E"};
  Decoder().DecodeRKeyPairs(saved);
  EXPECT_EQ(ModeShown(3), "Mode 1");
  EXPECT_EQ(ModeShown(4), "Mode 2");
  EXPECT_EQ(Window().Times().INTL_DelayTime_UP(3).Text(), "1.0");
  EXPECT_EQ(Window().Times().TIME_ACCDELAY_UP(4).Text(), "1.0");
  EXPECT_EQ(Window().Times().TIME_ACCDELAY_DN(4).Text(), "1.0");
  EXPECT_EQ(Cell(bytemap::InterlockDelayAddress(3)), "3E");
  EXPECT_EQ(State().BUTTON_MODEL, 4);
}

TEST_F(PairDecodingTest, AnErasedImageChangesNothing) {
  for (int address = bytemap::kUpperHalf; address < bytemap::kUpperHalf + bytemap::kUpperHalfSize; ++address) {
    SetCell(address, "FF");
  }
  const auto before = AllCells();
  DecodeImagePairs();
  EXPECT_EQ(AllCells(), before);
  for (int pair = 0; pair < bytemap::kPairCount; ++pair) EXPECT_EQ(ModeShown(pair), "") << pair;
}

}  // namespace
}  // namespace k9r
