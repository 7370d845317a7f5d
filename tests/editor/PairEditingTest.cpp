#include "editor/PairEditing.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

#include "editor/ModePanel.h"
#include "tests/editor/EditorFixture.h"

namespace k9r {
namespace {

class PairEditingTest : public EditorTest {
 protected:
  PairEditing& Pairs() { return Window().Pairs(); }
  ModePanel& Panel() { return Window().Panel(); }

  std::array<std::string, SetupImage::kCellCount> Cells() {
    std::array<std::string, SetupImage::kCellCount> cells;
    for (int i = 0; i < SetupImage::kCellCount; ++i) cells[static_cast<std::size_t>(i)] = Window().Image().CellText(i);
    return cells;
  }

  std::set<int> OfferedModes() {
    std::set<int> modes;
    for (int mode = 1; mode <= ModePanel::kModeCount; ++mode) {
      if (Panel().ModeOffered(mode)) modes.insert(mode);
    }
    return modes;
  }
};

TEST_F(PairEditingTest, EmergencyStopListsOfAPairFollowEachOtherAndWriteTheBypassBit) {
  for (int index = 0; index < PairEditing::kEmsListCount; ++index) {
    const int pair = index / 2;
    const int address = 0x10A0 + 2 * pair;
    const int partner = index % 2 == 0 ? index + 1 : index - 1;
    SetCell(address, "26");
    Pairs().CONTROL_FUNC_UD(index).Select(1);
    EXPECT_EQ(Pairs().CONTROL_FUNC_UD(partner).Index(), 1) << "list " << index;
    EXPECT_EQ(Cell(address), "A6") << "list " << index;

    Pairs().CONTROL_FUNC_UD(index).Select(0);
    EXPECT_EQ(Pairs().CONTROL_FUNC_UD(partner).Index(), 0) << "list " << index;
    EXPECT_EQ(Cell(address), "26") << "list " << index;
  }
}

TEST_F(PairEditingTest, EmergencyStopListOfOnePairLeavesTheOthers) {
  const auto before = Cells();
  Pairs().CONTROL_FUNC_UD(7).Select(1);
  auto expected = before;
  expected[0xA6] = "FF";  // 0x10A6 was 7F after start-up
  EXPECT_EQ(Cells(), expected);
  EXPECT_EQ(Pairs().CONTROL_FUNC_UD(5).Index(), 0);
  EXPECT_EQ(Pairs().CONTROL_FUNC_UD(8).Index(), 0);
}

TEST_F(PairEditingTest, SelectEmsTableIgnoresIndexesOutsideTheLists) {
  const auto before = Cells();
  for (int index : {-1, 12, 13, 100}) Pairs().Select_EMS_Table(index, 1);
  EXPECT_EQ(Cells(), before);
  Pairs().Select_EMS_Table(11, 1);
  EXPECT_EQ(Cell(0x10AA), "DD");
}

// The presets change the interlock lists of a group of pairs one after the
// other; the frame that follows is the one of the pair they work on.
TEST_F(PairEditingTest, InterlockTextChangeMovesTheFrameOfButtonModel) {
  Window().State().BUTTON_MODEL = 2;
  Pairs().INTERLOCK_UD(2).Select(0);
  Pairs().INTERLOCK_UD(4).SetText("Interlock");
  EXPECT_TRUE(Pairs().INTERLOCK_DELAY_TIME_UPDN(2).Visible());
  EXPECT_FALSE(Pairs().INTERLOCK_DELAY_TIME_UPDN(4).Visible());
}

TEST_F(PairEditingTest, InterlockTextDecidesOnTheUpperCasedText) {
  Window().State().BUTTON_MODEL = 1;
  Frame& frame = Pairs().INTERLOCK_DELAY_TIME_UPDN(1);
  Pairs().INTERLOCK_UD(1).SetText("INTERLOCK");
  EXPECT_TRUE(frame.Visible());
  Pairs().INTERLOCK_UD(1).SetText("Bypass EMS");
  EXPECT_TRUE(frame.Visible()) << "other texts change nothing";
  Pairs().INTERLOCK_UD(1).SetText("Non-Interlock");
  EXPECT_FALSE(frame.Visible());
  Pairs().INTERLOCK_UD(1).SetText("interlock");
  EXPECT_TRUE(frame.Visible());
}

TEST_F(PairEditingTest, InterlockSelectionAloneRunsNoHandler) {
  Window().State().BUTTON_MODEL = 0;
  Pairs().INTERLOCK_UD(0).Select(0);
  EXPECT_FALSE(Pairs().INTERLOCK_DELAY_TIME_UPDN(0).Visible());
}

struct OfferCase {
  int pair;
  std::set<int> modes;
};

class ModeOfferTest : public PairEditingTest, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(ModeOfferTest, PairButtonOffersItsModes) {
  const OfferCase& c = GetParam();
  Pairs().FUNC_MODE_SELECT(c.pair).Click();
  EXPECT_EQ(Window().State().BUTTON_MODEL, c.pair);
  EXPECT_TRUE(Panel().SELECT_MODETYPE().Visible());
  EXPECT_EQ(OfferedModes(), c.modes);
  // Each mode's three captions share its state.
  for (int mode = 1; mode <= ModePanel::kModeCount; ++mode) {
    for (int slot = 0; slot < ModePanel::kCaptionsPerMode; ++slot) {
      const int element = ModePanel::FirstCaptionOfMode(mode) + slot;
      EXPECT_EQ(Named(Indexed("Label3", element)).Enabled(), c.modes.contains(mode))
          << "pair " << c.pair << " mode " << mode << " Label3(" << element << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllPairs, ModeOfferTest,
    ::testing::Values(OfferCase{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 22, 23}},
                      OfferCase{1, {1, 2, 3, 4, 5, 18, 19, 22, 23}},
                      OfferCase{2, {1, 2, 3, 4, 5, 18, 19, 22, 23, 24}},
                      OfferCase{3, {1, 2, 3, 4, 5, 18, 19, 20, 21, 22, 23}},
                      OfferCase{4, {1, 2, 3, 4, 5, 18, 19, 22, 23}}, OfferCase{5, {1, 2, 3, 4, 5, 18, 19, 22, 23}}));

TEST_F(PairEditingTest, EachClickRecomputesTheOffer) {
  Pairs().FUNC_MODE_SELECT(3).Click();
  EXPECT_TRUE(Panel().ModeOffered(20));
  EXPECT_TRUE(Panel().ModeOffered(21));
  Pairs().FUNC_MODE_SELECT(0).Click();
  EXPECT_FALSE(Panel().ModeOffered(20));
  EXPECT_FALSE(Panel().ModeOffered(21));
  for (int mode = 6; mode <= 19; ++mode) EXPECT_TRUE(Panel().ModeOffered(mode)) << mode;
  Pairs().FUNC_MODE_SELECT(2).Click();
  EXPECT_EQ(Window().State().BUTTON_MODEL, 2);
  EXPECT_TRUE(Panel().ModeOffered(24));
  EXPECT_FALSE(Panel().ModeOffered(6));
}

TEST_F(PairEditingTest, GroupModesNeedTheirFeatureFlags) {
  Window().State().new_KOREA_function = 0;
  Window().State().new_GROUP_INTERLOCK = 0;
  Pairs().FUNC_MODE_SELECT(3).Click();
  EXPECT_FALSE(Panel().ModeOffered(20));
  EXPECT_FALSE(Panel().ModeOffered(21));
  Pairs().FUNC_MODE_SELECT(2).Click();
  EXPECT_FALSE(Panel().ModeOffered(24));
}

TEST_F(PairEditingTest, EnterOnAPairButtonMovesTheFocusOn) {
  EXPECT_EQ(Pairs().FUNC_MODE_SELECT(1).PressKey(13), 0);
  EXPECT_EQ(Ui().SentKeys(), std::vector<std::string>{"{tab}"});
  EXPECT_EQ(Pairs().FUNC_MODE_SELECT(1).PressKey('a'), 'a');
  EXPECT_EQ(Ui().SentKeys().size(), 1u);
  EXPECT_FALSE(Panel().SELECT_MODETYPE().Visible()) << "a key press does not open the panel";
}

}  // namespace
}  // namespace k9r
