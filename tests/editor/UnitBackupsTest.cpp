// Every unit read is kept as a setup, and a write says where the unit's
// last backup is.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "UnitFixture.h"
#include "files/ImageLine.h"
#include "files/TextFile.h"

namespace k9r {
namespace {

namespace fs = std::filesystem;

class UnitBackupsTest : public UnitTest {
 protected:
  void SetUp() override {
    UnitTest::SetUp();
    window.Transfer().SetBackupFolder(folder_ / "backups");
  }
  std::vector<fs::path> Backups(const std::string& serialNumber) {
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder_ / "backups" / serialNumber, error)) {
      if (entry.path().extension() == ".K9S") found.push_back(entry.path());
    }
    return found;
  }
  // The cells 1080-10FF of a backup, as 256 hex digits.
  static std::string BackupImage(const fs::path& mainFile) {
    fs::path image = mainFile;
    image.replace_filename(mainFile.stem().string() + "_3.DU3");
    const auto lines = ReadTextLines(image, "WINDOWS-1252");
    if (!lines || lines->empty()) return {};
    const auto cells = ParseImageLine(lines->back());
    std::string text;
    for (const std::string& cell : cells.value_or(ImageFileCells{})) text += cell;
    return text;
  }

  k9r::testing::TempFolder folder_;
};

TEST_F(UnitBackupsTest, EveryReadKeepsTheUnitsBytesAsTheyWereRead) {
  ConnectUnit(UnitWith({{0x1095, 0x0B}}));  // an EMS count the editor shows as 5, and rewrites
  const std::string stored = UnitSettings();
  Read();
  Read();
  const auto backups = Backups("24000123");
  ASSERT_EQ(backups.size(), 2u);
  EXPECT_EQ(BackupImage(backups[0]), stored);
  EXPECT_EQ(BackupImage(backups[1]), stored);
}

TEST_F(UnitBackupsTest, ARefusedReadKeepsNothing) {
  ConnectUnit(UnitWith({{0x1080, 0x55}}));
  Read();
  EXPECT_FALSE(fs::exists(folder_ / "backups"));
}

TEST_F(UnitBackupsTest, AWriteSaysWhereTheUnitsLastBackupIs) {
  Read();
  ui.QueueAnswer({Kind::Yes, ""});
  window.Transfer().WRITE_SETUP_DATA_Click();
  const auto backups = Backups("24000123");
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_NE(ui.Records().back().text.find(backups[0].string()), std::string::npos) << ui.Records().back().text;
}

TEST_F(UnitBackupsTest, AWriteToAUnitNeverReadSaysThereIsNoBackup) {
  for (int cell = 128; cell < 256; ++cell) window.Image().SetCellText(cell, "00");
  window.Image().SetCellText(128, "33");
  ui.QueueAnswer({Kind::Yes, ""});
  window.Transfer().WRITE_SETUP_DATA_Click();
  EXPECT_EQ(ui.Records().back().text, "No backup of unit 24000123 exists: it has not been read by this program.");
}

TEST_F(UnitBackupsTest, ABackupThatCannotBeWrittenIsReported) {
  k9r::testing::WriteBytes(folder_ / "file", "");
  window.Transfer().SetBackupFolder(folder_ / "file");
  Read();
  EXPECT_TRUE(Shown("could not be kept as a backup"));
  EXPECT_TRUE(window.Transfer().LastReadDecoded()) << "the read itself goes on";
}

}  // namespace
}  // namespace k9r
