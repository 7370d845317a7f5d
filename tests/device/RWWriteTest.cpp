#include <gtest/gtest.h>

#include "device/DefaultImages.h"
#include "LinkFixture.h"

namespace k9r {
namespace {

std::string SampleImage() {
  std::string image;
  for (int i = 0; i < 128; ++i) image += ByteText((i * 7 + 3) & 0xFF);
  return image;
}

class WriteTest : public LinkTest {
 protected:
  void MakeUnitWithLoader(int version, sim::LoaderOptions options = {}, ProductData data = TestProductData()) {
    sim::UnitIdentity identity;
    identity.loaderVersion = version;
    MakeUnit(identity, options, std::move(data));
    SetImage(SampleImage());
  }
  void SetUp() override { MakeUnitWithLoader(0x0160); }

  bool PatchArrived() const {
    bool partA = false, partB = false, started = false;
    for (const auto& frame : engine->Frames()) {
      partA |= frame.command == 0x12 && frame.address == 0x0220 && frame.data.size() == 128;
      partB |= frame.command == 0x12 && frame.address == 0x02A0 && frame.data.size() == 66;
      started |= frame.command == 0x1A && frame.address == 0x0220;
    }
    EXPECT_EQ(partA, partB);
    return partA && started;
  }
  const ScriptedUserInterface::Record& OnlyMessage() const {
    EXPECT_EQ(ui.Records().size(), 1u);
    return ui.Records().back();
  }
};

TEST(ModelCheckTest, ModelByteAgainstTheEditorsModelType) {
  struct Case {
    const char* modelType;
    const char* modelByte;
    bool allowed;
  };
  const Case cases[] = {
      {" K9R-16A/B", "D2", true}, {" K9R-16A/B", "F4", true},  {" K9R-16A/B", "C5", false},
      {"ERROR TYPE", "F4", true}, {"ERROR TYPE", "C5", true},  {" K9R", "C5", true},
      {" K9R", "F4", false},      {" K9R", "D2", false},       {"K9R-16A/B", "D2", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ModelTypeAllowsWrite(c.modelType, c.modelByte), c.allowed) << c.modelType << " / " << c.modelByte;
  }
}

TEST_F(WriteTest, WritesAndVerifiesWithoutPatchOnLoader160) {
  rw->WRITE_DATA_Click();
  EXPECT_EQ(UnitSettingsText(), SampleImage());
  EXPECT_EQ(rw->WRITEDATA_ERROR, 0);
  EXPECT_EQ(rw->BSL_VER, "1.6");
  EXPECT_EQ(rw->Text4, "Segment B WRITE DATA OK");
  EXPECT_EQ(rw->Wstime1, "12:34:56");
  EXPECT_EQ(rw->ProgressBar2, 80);
  EXPECT_EQ(host.mainProgress, 90);
  EXPECT_FALSE(PatchArrived());
  EXPECT_FALSE(port->IsOpen());
  EXPECT_EQ(OnlyMessage().text, "資料燒錄完成!!! ");
  EXPECT_EQ(OnlyMessage().icon, MessageIcon::Information);
}

TEST_F(WriteTest, LoaderVersionDecidesOnThePatch) {
  for (const auto& [version, patched] : {std::pair{0x0110, true}, std::pair{0x0130, false}}) {
    MakeUnitWithLoader(version);
    rw->WRITE_DATA_Click();
    EXPECT_EQ(PatchArrived(), patched) << std::hex << version;
    EXPECT_EQ(UnitSettingsText(), SampleImage()) << std::hex << version;
    EXPECT_EQ(rw->WRITEDATA_ERROR, 0);
  }
}

TEST_F(WriteTest, WithoutPatchDataLoader110SaysSoAndStartsNothingAt0220) {
  ProductData data = TestProductData(false);
  data.loaderPatch.problem = "The loader patch file k9r-loader-patch.txt was not found.";
  MakeUnitWithLoader(0x0110, {}, data);
  rw->WRITE_DATA_Click();
  EXPECT_EQ(FramesWithCommand(0x1A), 0);
  EXPECT_TRUE(LogNoteContains("program counter not loaded"));
  // The unpatched loader refuses to program flash; the write says so.
  EXPECT_EQ(rw->WRITEDATA_ERROR, 1);
  const auto texts = MessageTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], data.loaderPatch.problem);
  EXPECT_EQ(texts[1], "設定資料寫入錯誤!!! ");
}

TEST_F(WriteTest, EraseRefusedByTheCheckOfLoader160ButBlockErasedGoesOn) {
  MakeUnitWithLoader(0x0160, {true, sim::Fault::None});
  rw->WRITE_DATA_Click();
  EXPECT_TRUE(LogNoteContains("the erase was refused, but the block reads back erased"));
  EXPECT_EQ(UnitSettingsText(), SampleImage());
  EXPECT_EQ(rw->WRITEDATA_ERROR, 0);
  EXPECT_EQ(OnlyMessage().text, "資料燒錄完成!!! ");
}

TEST_F(WriteTest, EraseRefusedLeavesTheUnitAlone) {
  MakeUnitWithLoader(0x0160, {false, sim::Fault::RefuseErase});
  host.repairFlag = 1;
  host.modelTypes = "ERROR TYPE";
  const std::string before = UnitSettingsText();
  rw->WRITE_DATA_Click();
  EXPECT_EQ(UnitSettingsText(), before);
  EXPECT_EQ(rw->Text4, "Segment B SEGMENT_ERASE ERROR");
  EXPECT_EQ(rw->WRITEDATA_ERROR, 1);
  EXPECT_EQ(host.mainProgress, 100);
  EXPECT_EQ(host.repairFlag, 0);
  EXPECT_EQ(OnlyMessage().text, "ERASE_DATA Segment B is ON ERROR!!! ");
  EXPECT_EQ(OnlyMessage().title, "MORU5-T Message");
  EXPECT_EQ(FramesWithCommand(0x12), 0);
}

TEST_F(WriteTest, AByteWrongOnReadBackIsAWriteErrorNamingTheAddress) {
  MakeUnitWithLoader(0x0160, {false, sim::Fault::WrongReadBack});
  rw->WRITE_DATA_Click();
  EXPECT_EQ(rw->Text4, "Segment B WRITE DATA ERROR");
  EXPECT_EQ(rw->WRITEDATA_ERROR, 1);
  EXPECT_EQ(OnlyMessage().text, "WRITE SETUP_DATA is incorrect!!! ");
  const std::string wanted = SampleImage().substr(2 * 0x25, 2);
  const std::string found = ByteText(ParseHex(wanted) ^ 0x01);
  EXPECT_TRUE(LogNoteContains("read-back differs at 10A5: written " + wanted + ", read " + found));
  EXPECT_FALSE(LogNoteContains("differs at 10A6"));
}

TEST_F(WriteTest, RepairWritesTheDefaultImageOfTheUnitsModel) {
  for (const std::uint8_t model : {std::uint8_t{0xC5}, std::uint8_t{0xD2}, std::uint8_t{0xF4}}) {
    auto memory = sim::UnitMemory::Fresh({.modelByte = model, .password = sim::kDemoPassword});
    memory.Erase(0x1080, 0x10FF);
    MakeUnitWithMemory(memory);
    for (auto& cell : host.cells) cell = "FF";
    host.repairFlag = 1;
    host.modelTypes = "ERROR TYPE";
    ui = ScriptedUserInterface();
    rw->WRITE_DATA_Click();
    EXPECT_EQ(UnitSettingsText(), DefaultRepairImage(ByteText(model))) << ByteText(model);
    EXPECT_TRUE(ui.Records().empty());
    EXPECT_EQ(host.mainProgress, 55);
  }
  EXPECT_NE(DefaultRepairImage("D2"), DefaultRepairImage("C5"));
}

TEST_F(WriteTest, AUnitOfTheWrongModelIsRefusedBeforeAnythingIsErased) {
  host.modelTypes = " K9R-16A/B";
  rw->WRITE_DATA_Click();
  EXPECT_EQ(FramesWithCommand(0x16), 0);
  EXPECT_EQ(rw->WRITEDATA_ERROR, 1);
  EXPECT_EQ(OnlyMessage().icon, MessageIcon::Error);
  EXPECT_NE(OnlyMessage().text.find("model byte C5"), std::string::npos);
}

TEST_F(WriteTest, ShortCellsAreNormalisedAndGarbageIsRefusedBeforeTheErase) {
  host.cells[128] = "A";
  host.cells[129] = "";
  host.cells[130] = "ABC";
  rw->WRITE_DATA_Click();
  EXPECT_EQ(UnitSettingsText().substr(0, 6), "0A00AB");

  MakeUnitWithLoader(0x0160);
  ui = ScriptedUserInterface();
  const std::string before = UnitSettingsText();
  host.cells[200] = "ZZ";
  rw->WRITE_DATA_Click();
  EXPECT_EQ(FramesWithCommand(0x16), 0);
  EXPECT_EQ(UnitSettingsText(), before);
  EXPECT_EQ(OnlyMessage().text, "設定資料錯誤請檢查!!! ");
  EXPECT_TRUE(LogNoteContains("cell 10C8 holds \"ZZ\""));
}

TEST_F(WriteTest, NoUnitEndsAfterTheFirstModelTypeRead) {
  MakeUnitWithLoader(0x0160, {false, sim::Fault::NoAnswer});
  rw->WRITE_DATA_Click();
  EXPECT_EQ(rw->SYNC_CONNECT, 10);
  EXPECT_EQ(OnlyMessage().text, "連線錯誤,請檢查連接狀態??");
  EXPECT_FALSE(port->IsOpen());
}

}  // namespace
}  // namespace k9r
