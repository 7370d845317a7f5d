// Writing the editor's image into a unit: the question, the checks and the
// hand-over to the link.
#include "UnitFixture.h"

namespace k9r {
namespace {

class WriteUnitTest : public UnitTest {
 protected:
  void SetUp() override {
    UnitTest::SetUp();
    Read();
    ui.QueueAnswer({Kind::Yes, ""});
  }
  void Write() { window.Transfer().WRITE_SETUP_DATA_Click(); }
};

TEST_F(WriteUnitTest, AReadImageWithAChangeIsWrittenAndVerified) {
  window.Image().SetCellText(ImageCellIndex(0x10D0), "5A");
  Write();
  EXPECT_EQ(UnitSettings(), UpperHalf());
  EXPECT_EQ(UnitSettings().substr(2 * 0x50, 2), "5A");
  EXPECT_TRUE(Shown("資料燒錄完成!!! "));
  EXPECT_EQ(window.ProgressBar1().Value(), 100);
  EXPECT_FALSE(ui.Busy());
  EXPECT_TRUE(window.Controls().Get<Button>("WRITE_SETUP_DATA").Enabled());
  EXPECT_TRUE(window.Controls().Get<Button>("READ_SETUP_DATA").Enabled());
}

struct RefusedImageCase {
  const char* name;
  int address;
  const char* text;
  const char* message;
  const char* title;
};

class RefusedImageTest : public WriteUnitTest, public ::testing::WithParamInterface<RefusedImageCase> {};

TEST_P(RefusedImageTest, IsNotWritten) {
  const RefusedImageCase& c = GetParam();
  const std::string stored = UnitSettings();
  if (c.address == 0) {
    for (int cell = 128; cell < 256; ++cell) window.Image().SetCellText(cell, "FF");
  } else {
    window.Image().SetCellText(ImageCellIndex(c.address), c.text);
  }
  window.State().FIX430F149AACLEANERROR = 1;
  const std::size_t framesBefore = engine->Frames().size();
  Write();
  EXPECT_EQ(engine->Frames().size(), framesBefore) << "the unit is not touched";
  EXPECT_EQ(UnitSettings(), stored);
  ASSERT_FALSE(ui.Records().empty());
  EXPECT_EQ(ui.Records().back().text, c.message);
  EXPECT_EQ(ui.Records().back().title, c.title);
  EXPECT_EQ(window.ProgressBar1().Value(), 100);
}

INSTANTIATE_TEST_SUITE_P(
    Images, RefusedImageTest,
    ::testing::Values(RefusedImageCase{"IdBeginningWith4", 0x1080, "55", "SETUP-DATA must be loaded,Please", " K9R Message"},
                      RefusedImageCase{"LowerCaseFirstIdByte", 0x1080, "3c", "SETUP-DATA must be loaded,Please",
                                       " K9R Message"},
                      RefusedImageCase{"ErasedUpperHalf", 0, "", "SETUP-DATA must be loaded,Please", " K9R Message"},
                      RefusedImageCase{"OneCharacterCell", 0x10C3, "5", "WRITE SETUP_DATA CHECK IS INCORRECT!!! ",
                                       "MORU5-T Message"},
                      RefusedImageCase{"EmptyCell", 0x10FF, "", "WRITE SETUP_DATA CHECK IS INCORRECT!!! ",
                                       "MORU5-T Message"}),
    [](const ::testing::TestParamInfo<RefusedImageCase>& tested) { return std::string(tested.param.name); });

TEST_F(WriteUnitTest, AMalformedCellClearsTheRepairFlag) {
  window.Image().SetCellText(ImageCellIndex(0x10C3), "5");
  window.State().FIX430F149AACLEANERROR = 1;
  Write();
  EXPECT_EQ(window.State().FIX430F149AACLEANERROR, 0);
}

TEST_F(WriteUnitTest, NoMeansNothingButAnEmptyProgressBar) {
  ui.QueueAnswer({Kind::No, ""});
  ui.QueueAnswer({Kind::Yes, ""});  // taken by the No test's own question below
  window.Transfer().WRITE_SETUP_DATA_Click();  // answered Yes from SetUp: writes
  const std::size_t framesBefore = engine->Frames().size();
  window.ProgressBar1().SetValue(55);
  Write();  // answered No
  EXPECT_EQ(engine->Frames().size(), framesBefore);
  EXPECT_EQ(window.ProgressBar1().Value(), 0);
}

TEST_F(WriteUnitTest, WhileAnotherOperationRunsNothingIsWrittenAndTheWindowIsUnlocked) {
  ui.SetBusy(true);
  window.DisableFormControls();
  const std::size_t framesBefore = engine->Frames().size();
  Write();
  EXPECT_EQ(engine->Frames().size(), framesBefore);
  EXPECT_TRUE(window.Controls().Get<Button>("WRITE_SETUP_DATA").Enabled());
}

TEST_F(WriteUnitTest, TheLowerHalfIsNeitherCheckedNorWritten) {
  window.Image().SetCellText(0x05, "");
  window.Image().SetCellText(0x06, "123");
  Write();
  EXPECT_EQ(UnitSettings(), UpperHalf());
  EXPECT_EQ(engine->Memory().At(0x1005), sim::FreshDemoMemory().At(0x1005));
}

TEST_F(WriteUnitTest, ReadingAgainShowsWhatWasWritten) {
  window.Image().SetCellText(ImageCellIndex(0x10D5), "C3");
  Write();
  for (int cell = 128; cell < 256; ++cell) window.Image().SetCellText(cell, "00");
  Read();
  EXPECT_EQ(Cell(0x10D5), "C3");
}

}  // namespace
}  // namespace k9r
