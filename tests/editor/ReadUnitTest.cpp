// Reading a unit into the editor: identification, layouts, refusals, the
// repair of an erased unit, and reads that end early.
#include "TempFolder.h"
#include "UnitFixture.h"
#include "editor/ControlText.h"
#include "editor/SetupFileCommands.h"
#include "device/DefaultImages.h"

namespace k9r {
namespace {

class ReadUnitTest : public UnitTest {};

struct IdentifyCase {
  std::uint8_t modelByte;
  std::uint8_t firstIdCode;
  std::uint8_t secondIdCode;
  const char* modelType;
  bool sixPairLayout;
};

class IdentifyTest : public ReadUnitTest, public ::testing::WithParamInterface<IdentifyCase> {};

TEST_P(IdentifyTest, ModelByteAndIdCodeGiveTypeAndLayout) {
  const IdentifyCase& c = GetParam();
  ConnectUnit(UnitWith({{0xFFDD, c.modelByte}, {0x1080, c.firstIdCode}, {0x1081, c.secondIdCode}}));
  Read();
  EXPECT_TRUE(window.Transfer().LastReadDecoded());
  EXPECT_EQ(Text("RC_MODETYPES"), c.modelType);
  EXPECT_EQ(Visible("Picture1"), !c.sixPairLayout);
  EXPECT_EQ(Visible("Picture2"), c.sixPairLayout);
  EXPECT_FALSE(window.Ended());
}

INSTANTIATE_TEST_SUITE_P(Units, IdentifyTest,
                         ::testing::Values(IdentifyCase{0xC5, 0x33, 0x55, " K9R", false},      // 24...
                                           IdentifyCase{0xF4, 0x00, 0x00, " K9R-16A/B", true},  // 00...
                                           IdentifyCase{0xD2, 0x33, 0x55, " K9R-16A/B", true},
                                           IdentifyCase{0xC5, 0x00, 0x00, " K9R", false}));

TEST_F(ReadUnitTest, AReadShowsTheUnitInformationAndTheUnitsBytes) {
  const std::string stored = UnitSettings();
  Read();
  EXPECT_EQ(Text("RC_ID_CODE"), "24000000");
  EXPECT_EQ(Text("SERIAL_NUMBER_TXT"), "24000123");
  EXPECT_EQ(Text("TX_DATE"), "6/15/2024");
  EXPECT_EQ(Text("RX_DATE"), "6/15/2024");
  EXPECT_EQ(Cell(0x1080), "33");
  EXPECT_EQ(Cell(0x1000), "FF") << "the lower half is filled with FF by every read";
  EXPECT_EQ(window.ProgressBar1().Value(), 100);
  EXPECT_FALSE(ui.Busy());
  EXPECT_TRUE(Shown("READ_DATA OK!!!"));
  EXPECT_EQ(stored.substr(0, 16), UpperHalf().substr(0, 16));
}

// What the editor shows before each refused or failed read below.
class EarlierSetupTest : public ReadUnitTest {
 protected:
  void SetUp() override {
    ReadUnitTest::SetUp();
    Read();
    window.Image().SetCellText(0x10, "AB");  // a lower-half cell typed by hand
    before = Cells();
    shownId = Text("RC_ID_CODE");
    shownSerial = Text("SERIAL_NUMBER_TXT");
  }
  void ExpectEditorAsBefore() {
    EXPECT_EQ(Cells(), before);
    EXPECT_EQ(Text("RC_ID_CODE"), shownId);
    EXPECT_EQ(Text("SERIAL_NUMBER_TXT"), shownSerial);
    EXPECT_TRUE(Visible("Picture1"));
    EXPECT_FALSE(window.Ended());
    EXPECT_FALSE(ui.QuitRequested());
    EXPECT_FALSE(ui.Busy());
    EXPECT_FALSE(window.Transfer().LastReadDecoded());
    EXPECT_TRUE(window.Controls().Get<Button>("READ_SETUP_DATA").Enabled()) << "the window is not left locked";
  }

  std::array<std::string, SetupImage::kCellCount> before;
  std::string shownId;
  std::string shownSerial;
};

TEST_F(EarlierSetupTest, ASerialNumberNotBeginningWith24IsRefusedAndTheProgramGoesOn) {
  ConnectUnit(UnitWith({{0xFFD0, 0x33}, {0xFFD1, 0x3C}, {0xFFDD, 0xF4}}));  // 23..., a six-pair unit
  Read();
  ExpectEditorAsBefore();
  EXPECT_TRUE(Shown("serial number 23000123 does not begin with 24"));
}

TEST_F(EarlierSetupTest, AnIdCodeOfNoKnownTypeIsRefusedWhenTheBlockIsNotErased) {
  ConnectUnit(UnitWith({{0x1080, 0x55}}));  // ID 44000000
  Read();
  ExpectEditorAsBefore();
  EXPECT_TRUE(Shown("ID code 44000000 is of no known type"));
  EXPECT_EQ(FramesWithCommand(0x16), 0) << "nothing is erased";
}

TEST_F(EarlierSetupTest, NoConnectionPutsTheCellsBack) {
  ConnectUnit(sim::FreshDemoMemory(), {false, sim::Fault::NoAnswer});
  Read();
  ExpectEditorAsBefore();
  EXPECT_EQ(window.ProgressBar1().Value(), 0);
}

TEST_F(EarlierSetupTest, EveryPasswordRefusedIsReportedAndPutsTheCellsBack) {
  ConnectUnit(sim::FreshDemoMemory(), {false, sim::Fault::RefusePasswords});
  Read();
  ExpectEditorAsBefore();
  EXPECT_TRUE(Shown("READ_DATA ERROR!!??"));
}

TEST_F(ReadUnitTest, AnErasedUnitIsRepairedReadAgainAndDecodedTwice) {
  ConnectUnit(sim::FreshDemoMemory(false, true));
  Read();
  EXPECT_EQ(UnitSettings(), DefaultRepairImage("C5"));
  EXPECT_EQ(FramesWithCommand(0x16), 1) << "one erase: the repair write";
  EXPECT_TRUE(Shown("Warning! Default System Setting Restored!"));
  EXPECT_EQ(Text("RC_MODETYPES"), " K9R");
  EXPECT_EQ(Text("RC_ID_CODE"), "24000000");
  EXPECT_EQ(window.State().FIX430F149AACLEANERROR, 0);
  EXPECT_EQ(window.ProgressBar1().Value(), 100);
  EXPECT_TRUE(window.Transfer().LastReadDecoded());
  EXPECT_FALSE(window.Ended());
}

TEST_F(EarlierSetupTest, AnErasedUnitThatCannotBeRepairedIsRepairedOnceAndReported) {
  // Loader 1.10 refuses the block write without the loader patch.
  sim::UnitMemory memory = sim::FreshDemoMemory(false, true);
  memory.SetLoaderVersion(0x0110);
  ProductData withoutPatch = sim::DemoProductData();
  withoutPatch.loaderPatch.content.reset();
  ConnectUnit(memory, {}, withoutPatch);
  Read();
  ExpectEditorAsBefore();
  EXPECT_EQ(FramesWithCommand(0x16), 1) << "one repair, not a loop";
  EXPECT_TRUE(Shown("設定資料寫入錯誤!!! "));
  EXPECT_TRUE(Shown("still erased after the default settings were written"));
  EXPECT_FALSE(Shown("Default System Setting Restored"));
  EXPECT_EQ(window.State().FIX430F149AACLEANERROR, 0);
}

TEST_F(ReadUnitTest, DecodingLoadedCellsNeverTouchesTheUnitNorTheLowerHalf) {
  window.Image().SetCellText(0x10, "AB");
  window.State().LOADER_OLD_SETUP = 1;
  Read();
  window.State().LOADER_OLD_SETUP = 0;
  EXPECT_TRUE(engine->Frames().empty());
  EXPECT_EQ(Cell(0x1010), "AB");
}

TEST_F(ReadUnitTest, ALoadedSixPairSetupKeepsItsModelTypeWhateverItsIdCode) {
  window.Controls().Get<TextField>("RC_MODETYPES").SetText(" K9R-16A/B");
  window.Image().SetCellText(0x80, "55");
  window.State().LOADER_OLD_SETUP = 1;
  Read();
  EXPECT_EQ(Text("RC_MODETYPES"), " K9R-16A/B");
  EXPECT_TRUE(Visible("Picture2"));
  EXPECT_FALSE(Visible("Picture1"));
}

TEST_F(EarlierSetupTest, ALoadedSetupOfNoKnownTypeIsTakenBackWhole) {
  k9r::testing::TempFolder folder;
  {
    MainWindow other{ui, clock};
    SetControlText(other.Controls(), "USER_COMPANY", "Other Crane Ltd");
    for (int cell = 128; cell < 256; ++cell) other.Image().SetCellText(cell, "55");
    SaveSetupFiles(other, folder / "other.K9S");
  }
  SetControlText(window.Controls(), "USER_COMPANY", "Our Hoist Co");
  EXPECT_FALSE(LoadSetupFiles(window, folder / "other.K9S"));
  ExpectEditorAsBefore();
  EXPECT_EQ(ControlText(window.Controls(), "USER_COMPANY"), "Our Hoist Co");
  EXPECT_TRUE(Shown("The ID code 44444444 is of no known type"));
  EXPECT_EQ(ui.Records().back().text, "Reading is failed..");
}

}  // namespace
}  // namespace k9r
