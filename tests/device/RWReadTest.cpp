#include <gtest/gtest.h>

#include "LinkFixture.h"

namespace k9r {
namespace {

class ReadTest : public LinkTest {
 protected:
  void SetUp() override {
    LinkTest::SetUp();
    for (auto& cell : host.cells) cell = "FF";  // as the main window does before a read
  }
  std::string UpperHalf() const { return host.UpperHalfText(); }
};

TEST_F(ReadTest, AFullReadFillsTheCellsAndTheUnitInformation) {
  rw->READ_DATA_Click();
  EXPECT_EQ(rw->SYNC_CONNECT, 1);
  EXPECT_EQ(rw->MODETYPE, 0);
  EXPECT_EQ(FramesWithCommand(0x10), 2);  // one per loader start, found at once
  EXPECT_EQ(UpperHalf(), UnitSettingsText());
  EXPECT_EQ(rw->EEPROM_1080_DATA, UnitSettingsText());
  EXPECT_EQ(rw->READ_MODTYPE_SN, "33 55 00 00 00 0F 33 3C");
  EXPECT_EQ(rw->READ_MODTYPE_DATE, "06 0F 18");
  EXPECT_EQ(rw->READ_MODTYPE_MODEL, "C5");
  EXPECT_EQ(rw->Text1, "33 55 00 00 00 0F 33 3C FF 06 0F 18 FF C5 FF \r\n");  // the last reply, FFD0
  EXPECT_EQ(rw->ProgressBar1, 100);
  EXPECT_EQ(host.mainProgress, 70);
  EXPECT_FALSE(port->IsOpen());
  ASSERT_EQ(ui.Records().size(), 1u);
  EXPECT_EQ(ui.Records()[0].text, "READ_DATA OK!!!");
  EXPECT_EQ(ui.Records()[0].title, "MORU5-T Message");
  EXPECT_EQ(ui.Records()[0].icon, MessageIcon::Information);
}

TEST_F(ReadTest, LanguageTextsReplaceTheBuiltInMessage) {
  host.loadTexts[0] = "Status";
  host.loadTexts[14] = "Read complete";
  rw->READ_DATA_Click();
  ASSERT_EQ(ui.Records().size(), 1u);
  EXPECT_EQ(ui.Records()[0].title, "Status");
  EXPECT_EQ(ui.Records()[0].text, "Read complete");
}

TEST_F(ReadTest, ErasedFirmwareIsFoundAtEntryTwo) {
  sim::UnitIdentity identity;
  identity.password = ErasedDevicePassword();
  MakeUnit(identity);
  rw->READ_DATA_Click();
  EXPECT_EQ(rw->MODETYPE, 2);
  EXPECT_EQ(rw->SYNC_CONNECT, 1);
  EXPECT_EQ(UpperHalf(), UnitSettingsText());
  EXPECT_TRUE(LogNoteContains("the unit refused password entry 1"));
}

TEST_F(ReadTest, EveryPasswordRefusedGivesCode5AndNoRead) {
  MakeUnit({}, {false, sim::Fault::RefusePasswords});
  rw->READ_DATA_Click();
  EXPECT_EQ(rw->SYNC_CONNECT, 5);
  EXPECT_EQ(rw->Text3, "PASSWORD is ERROR");
  EXPECT_EQ(FramesWithCommand(0x10), 6);
  EXPECT_EQ(FramesWithCommand(0x14), 0);
  EXPECT_TRUE(ui.Records().empty());
  EXPECT_EQ(UpperHalf(), std::string(256, 'F'));
}

TEST_F(ReadTest, NoUnitGivesTheConnectionMessage) {
  MakeUnit({}, {false, sim::Fault::NoAnswer});
  host.repairFlag = 1;
  rw->READ_DATA_Click();
  EXPECT_EQ(rw->SYNC_CONNECT, 10);
  ASSERT_EQ(ui.Records().size(), 1u);
  EXPECT_EQ(ui.Records()[0].text, "連線錯誤,請檢查連接狀態??");
  EXPECT_EQ(ui.Records()[0].title, "K-9R 設定程式狀態");
  EXPECT_EQ(ui.Records()[0].icon, MessageIcon::Error);
  EXPECT_EQ(host.mainProgress, 0);
  EXPECT_EQ(host.repairFlag, 0);
  EXPECT_FALSE(port->IsOpen());
}

TEST_F(ReadTest, ASilentPasswordStillTriesTheReadAndReportsItsFailure) {
  sim::UnitIdentity identity;
  identity.password.fill(0x01);  // a build the password file does not know
  MakeUnit(identity);
  port->SetReplyFilter([](const sim::LoaderEngine& unit, Bytes reply) {
    const bool refusesPassword = !unit.Frames().empty() && unit.Frames().back().command == 0x10 && reply == Bytes{0xA0};
    return refusesPassword ? Bytes{} : reply;
  });
  rw->READ_DATA_Click();
  EXPECT_EQ(FramesWithCommand(0x14), 1);
  EXPECT_EQ(rw->Text4, "Segment B READ DATA ERROR");
  ASSERT_EQ(ui.Records().size(), 1u);
  EXPECT_EQ(ui.Records()[0].text, "資料讀取錯誤!!!");
  EXPECT_TRUE(LogNoteContains("no answer to password entry 5"));
}

TEST_F(ReadTest, AnErasedBlockEndsWithoutMessage) {
  auto memory = sim::UnitMemory::Fresh({.password = sim::kDemoPassword});
  memory.Erase(0x1080, 0x10FF);
  MakeUnitWithMemory(memory);
  rw->READ_DATA_Click();
  EXPECT_EQ(rw->EEPROM_1080_DATA, std::string(256, 'F'));
  EXPECT_EQ(UpperHalf(), std::string(256, 'F'));
  EXPECT_TRUE(ui.Records().empty());
  EXPECT_EQ(rw->SYNC_CONNECT, 1);
  EXPECT_EQ(rw->READ_MODTYPE_MODEL, "C5");
}

TEST_F(ReadTest, AReplyCutShortIsAReadErrorAndSetsNoCell) {
  MakeUnit({}, {false, sim::Fault::ShortReply});
  rw->READ_DATA_Click();
  EXPECT_EQ(rw->Text4, "Segment B READ DATA ERROR");
  EXPECT_EQ(UpperHalf(), std::string(256, 'F'));
  EXPECT_EQ(rw->EEPROM_1080_DATA, "");
  ASSERT_EQ(ui.Records().size(), 1u);
  EXPECT_EQ(ui.Records()[0].text, "資料讀取錯誤!!!");
  EXPECT_TRUE(LogNoteContains("instead of 134"));
}

TEST_F(ReadTest, AMissingPasswordFileIsToldOnceAndItsBuildsAreRefused) {
  ProductData data;
  data.passwords.problem = "The loader password file k9r-passwords.txt was not found.";
  MakeUnit({}, {}, data);
  rw->READ_DATA_Click();
  rw->READ_DATA_Click();
  int told = 0;
  for (const auto& record : ui.Records()) told += record.text == data.passwords.problem;
  EXPECT_EQ(told, 1);
  EXPECT_EQ(rw->SYNC_CONNECT, 5);
}

TEST_F(ReadTest, TheModelTypeReadTakesTheIdCode) {
  rw->READ_MODELTYPE_Click();
  EXPECT_EQ(rw->MODETYPE_R2, 0);
  EXPECT_EQ(rw->READ_MODTYPE_IDCODE, "33 55 00 00 00 00 00 00 33 55");
  EXPECT_EQ(rw->Text3, "BSLRECV_DATA=OK");
  EXPECT_EQ(FramesWithCommand(0x14), 3);
  EXPECT_TRUE(port->IsOpen());
}

TEST_F(ReadTest, EEPROM_1000_DATAStaysEmpty) {
  rw->READ_DATA_Click();
  EXPECT_EQ(rw->EEPROM_1000_DATA, "");
}

}  // namespace
}  // namespace k9r
