#include <gtest/gtest.h>

#include "core/Clock.h"
#include "editor/ControlText.h"
#include "editor/MainWindow.h"
#include "editor/ScriptedUserInterface.h"
#include "editor/SetupFileCommands.h"
#include "TempFolder.h"

namespace k9r {
namespace {

namespace fs = std::filesystem;
using k9r::testing::Fixture;
using k9r::testing::ReadBytes;
using k9r::testing::TempFolder;
using k9r::testing::WriteBytes;
using Kind = ScriptedUserInterface::Answer::Kind;

const char* const kSaved = "Saving is completed, to continue the program ..";
const char* const kSaveFailed = "Saving is failed, to continue the program .";
const char* const kMissing = "Files not found,Please check???";
const char* const kLoaded = "Reading is successfully..";
const char* const kLoadFailed = "Reading is failed..";

// A window as the tests drive it, with the unit-information fields that the
// image decoder's window part adds standing in where they are not there yet.
class Window {
 public:
  Window() {
    for (const char* name : {"SERIAL_NUMBER_TXT", "TX_DATE", "RX_DATE", "RC_MODETYPES"}) {
      if (!model.Controls().Find(name)) model.Controls().Add<TextField>(name);
    }
    model.SetLoadedImageDecoder([this] {
      decodes.push_back(model.State().LOADER_OLD_SETUP);
      return true;
    });
  }
  std::string Text(std::string_view name) const { return ControlText(model.Controls(), name); }
  void Set(std::string_view name, std::string text) { SetControlText(model.Controls(), name, std::move(text)); }
  void FillUpperHalf(const std::string& cell) {
    for (int i = 128; i < 256; ++i) model.Image().SetCellText(i, cell);
  }
  const std::string& LastMessage() const { return ui.Records().back().text; }

  ScriptedUserInterface ui;
  VirtualClock clock;
  MainWindow model{ui, clock};
  std::vector<int> decodes;  // LOADER_OLD_SETUP as each decode saw it
};

struct FieldValue {
  const char* field;
  const char* text;
};

const FieldValue kFullSetup[] = {
    {"DISTRIBUTOR_COMPANY_NAME", "Hebezeug M\u00fcller GmbH"},
    {"DISTRIBUTOR_ADDRESS", "Hafenstra\u00dfe 12"},
    {"DISTRIBUTOR_TELEPHONE", "+49 40 123456"},
    {"DISTRIBUTOR_FAX", "+49 40 123457"},
    {"DISTRIBUTOR_EMAIL", "info@mueller.example"},
    {"DISTRIBUTOR_COMPANY_SALES", "J. Schmidt"},
    {"DISTRIBUTOR_FRQ1", "433"},
    {"DISTRIBUTOR_FRQ2", "925"},
    {"DISTRIBUTOR_CH", "12"},
    {"DISTRIBUTOR_REMARK", "a\nb"},
    {"USER_COMPANY", "Kranbau Nord"},
    {"USER_ADDRESS", "Werkstra\u00dfe 3"},
    {"USER_TELEPHONE", "+49 40 555"},
    {"USER_FAX", ""},
    {"USER_EMAIL", "kran@nord.example"},
    {"USER_ENGINEER", "P. Lange"},
    {"USER_REMARK", "Halle 4"},
    {"SERIAL_NUMBER_TXT", "24001234"},
    {"TX_DATE", "2011/05/03"},
    {"RX_DATE", "2011/05/04"},
    {"RC_MODETYPES", " K9R"},
};

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

class SetupFileCommandsTest : public ::testing::Test {
 protected:
  void FillFullSetup(Window& window) {
    for (const auto& [field, text] : kFullSetup) window.Set(field, text);
    window.FillUpperHalf("FF");
  }
  void CopyFixture(const std::string& name, const fs::path& to) { fs::copy_file(Fixture("setup/" + name), to); }

  TempFolder folder_;
  Window saved_;
  Window loaded_;
};

TEST_F(SetupFileCommandsTest, SaveWritesTheFourFilesByteForByte) {
  FillFullSetup(saved_);
  const fs::path main = folder_ / "unit.K9S";
  ASSERT_TRUE(SaveSetupFiles(saved_.model, main));
  EXPECT_EQ(saved_.LastMessage(), kSaved);
  EXPECT_EQ(saved_.ui.Records().back().icon, MessageIcon::Information);
  EXPECT_EQ(saved_.ui.Records().back().title, " K9R Message");

  const std::string d = folder_.Path().string() + "/";
  EXPECT_EQ(ReadBytes(main),
            CrLfLines({"Hebezeug M\xFCller GmbH", "Hafenstra\xDF" "e 12", "+49 40 123456", "+49 40 123457",
                       "info@mueller.example", "J. Schmidt", "433", "925", "12", d + "unit_1.DU1", "Kranbau Nord",
                       "Werkstra\xDF" "e 3", "+49 40 555", "", "kran@nord.example", "P. Lange", d + "unit_2.DU2",
                       d + "unit_3.DU3", "24001234", "2011/05/03", "2011/05/04", " K9R"}));
  EXPECT_EQ(ReadBytes(folder_ / "unit_1.DU1"), ReadBytes(Fixture("setup/remark-ab_1.DU1")));
  EXPECT_EQ(ReadBytes(folder_ / "unit_2.DU2"), "Halle 4\r\n");
  EXPECT_EQ(ReadBytes(folder_ / "unit_3.DU3"), ReadBytes(Fixture("setup/allff_3.DU3")));
}

TEST_F(SetupFileCommandsTest, SavedSetupLoadsBackWhole) {
  FillFullSetup(saved_);
  saved_.model.Image().SetCellText(0x90, "8C");
  saved_.Set("USER_ADDRESS", "Werkstra\u00dfe 3\n20457 Hamburg");
  ASSERT_TRUE(SaveSetupFiles(saved_.model, folder_ / "unit.K9S"));

  loaded_.model.Image().SetCellText(5, "AB");
  loaded_.Set("USER_REMARK", "old text");
  ASSERT_TRUE(LoadSetupFiles(loaded_.model, folder_ / "unit.K9S"));
  EXPECT_EQ(loaded_.LastMessage(), kLoaded);
  for (const auto& [field, text] : kFullSetup) {
    const std::string name = field;
    if (name.ends_with("REMARK") || name == "USER_ADDRESS") continue;
    EXPECT_EQ(loaded_.Text(field), text) << field;
  }
  EXPECT_EQ(loaded_.Text("USER_ADDRESS"), "Werkstra\u00dfe 3\n20457 Hamburg") << "line breaks come back";
  EXPECT_EQ(loaded_.Text("USER_TELEPHONE"), "+49 40 555") << "and shift no later line";
  EXPECT_EQ(loaded_.Text("DISTRIBUTOR_REMARK"), "a\nb\n");
  EXPECT_EQ(loaded_.Text("USER_REMARK"), "Halle 4\n");
  for (int cell = 128; cell < 256; ++cell) {
    EXPECT_EQ(loaded_.model.Image().CellText(cell), saved_.model.Image().CellText(cell)) << cell;
  }
  EXPECT_EQ(loaded_.model.Image().CellText(5), "AB") << "the lower half is not part of a setup";
  EXPECT_EQ(loaded_.decodes, std::vector<int>{1}) << "decoded once, as a loaded file";
  EXPECT_EQ(loaded_.model.State().LOADER_OLD_SETUP, 0);

  // A second round trip changes nothing, not even the remarks' line ends.
  ASSERT_TRUE(SaveSetupFiles(loaded_.model, folder_ / "again.K9S"));
  EXPECT_EQ(ReadBytes(folder_ / "again_1.DU1"), ReadBytes(folder_ / "unit_1.DU1"));
  EXPECT_EQ(ReadBytes(folder_ / "again_3.DU3"), ReadBytes(folder_ / "unit_3.DU3"));
}

TEST_F(SetupFileCommandsTest, FileOfTheOlderToolLoadsThroughTheFolderItIsIn) {
  for (const char* name : {"crane7.K9S", "crane7_1.DU1", "crane7_2.DU2", "crane7_3.DU3"}) {
    CopyFixture(name, folder_ / name);
  }
  ASSERT_TRUE(LoadSetupFiles(loaded_.model, folder_ / "crane7.K9S")) << "recorded D:\\setups paths are gone";
  EXPECT_EQ(loaded_.Text("DISTRIBUTOR_COMPANY_NAME"), "Hebezeug M\u00fcller GmbH");
  EXPECT_EQ(loaded_.Text("DISTRIBUTOR_REMARK"), "Pr\u00fcfung 2011\nzweite Zeile\n");
  EXPECT_EQ(loaded_.Text("RC_MODETYPES"), " K9R");
  EXPECT_EQ(loaded_.model.Image().CellText(0x80), "00");
  EXPECT_EQ(loaded_.model.Image().CellText(0xA0), "B8");
  EXPECT_EQ(loaded_.model.Image().CellText(0xFF), "A5");
}

TEST_F(SetupFileCommandsTest, MovedFolderStillFindsItsCompanions) {
  FillFullSetup(saved_);
  fs::create_directory(folder_ / "old");
  ASSERT_TRUE(SaveSetupFiles(saved_.model, folder_ / "old" / "unit.K9S"));
  fs::rename(folder_ / "old", folder_ / "new");
  ASSERT_TRUE(LoadSetupFiles(loaded_.model, folder_ / "new" / "unit.K9S"));
  EXPECT_EQ(loaded_.Text("DISTRIBUTOR_REMARK"), "a\nb\n");
}

TEST_F(SetupFileCommandsTest, NameWithTwoDotsIsNotFoundOnceItsRecordedPathsAreGone) {
  FillFullSetup(saved_);
  fs::create_directory(folder_ / "old");
  ASSERT_TRUE(SaveSetupFiles(saved_.model, folder_ / "old" / "unit.old.K9S"));
  EXPECT_TRUE(fs::exists(folder_ / "old" / "unit.old_1.DU1"));
  fs::rename(folder_ / "old", folder_ / "new");

  loaded_.FillUpperHalf("11");
  loaded_.Set("USER_REMARK", "kept?");
  EXPECT_FALSE(LoadSetupFiles(loaded_.model, folder_ / "new" / "unit.old.K9S"));
  EXPECT_EQ(loaded_.LastMessage(), kMissing) << "unit_1.DU1 is looked for";
  EXPECT_EQ(loaded_.ui.Records().back().icon, MessageIcon::Warning);
  EXPECT_EQ(loaded_.Text("USER_REMARK"), "") << "the remarks were emptied first";
  EXPECT_EQ(loaded_.model.Image().CellText(200), "11");
  EXPECT_TRUE(loaded_.decodes.empty());
}

TEST_F(SetupFileCommandsTest, NineteenLineFileRepeatsItsLastLineAndEmptiesTheModelType) {
  CopyFixture("short19.K9S", folder_ / "short19.K9S");
  CopyFixture("crane7_1.DU1", folder_ / "short19_1.DU1");
  CopyFixture("crane7_2.DU2", folder_ / "short19_2.DU2");
  CopyFixture("crane7_3.DU3", folder_ / "short19_3.DU3");
  ASSERT_TRUE(LoadSetupFiles(loaded_.model, folder_ / "short19.K9S"));
  EXPECT_EQ(loaded_.Text("SERIAL_NUMBER_TXT"), "24001234");
  EXPECT_EQ(loaded_.Text("TX_DATE"), "24001234");
  EXPECT_EQ(loaded_.Text("RX_DATE"), "24001234");
  EXPECT_EQ(loaded_.Text("RC_MODETYPES"), "");
}

struct DamagedImage {
  const char* name;
  std::string bytes;
};

class DamagedImageFileTest : public SetupFileCommandsTest, public ::testing::WithParamInterface<DamagedImage> {};

TEST_P(DamagedImageFileTest, SaysReadingFailedAndChangesNoCell) {
  for (const char* name : {"crane7.K9S", "crane7_1.DU1", "crane7_2.DU2"}) CopyFixture(name, folder_ / name);
  WriteBytes(folder_ / "crane7_3.DU3", GetParam().bytes);
  loaded_.FillUpperHalf("11");
  EXPECT_FALSE(LoadSetupFiles(loaded_.model, folder_ / "crane7.K9S"));
  EXPECT_EQ(loaded_.LastMessage(), kLoadFailed);
  EXPECT_EQ(loaded_.ui.Records().back().icon, MessageIcon::Error);
  for (int cell = 128; cell < 256; ++cell) ASSERT_EQ(loaded_.model.Image().CellText(cell), "11") << cell;
  EXPECT_TRUE(loaded_.decodes.empty());
}

const std::string kGoodImage = ReadBytes(Fixture("setup/crane7_3.DU3"));

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedImageFileTest,
    ::testing::Values(DamagedImage{"Empty", ""}, DamagedImage{"Truncated", kGoodImage.substr(0, 700)},
                      DamagedImage{"Letters", "x" + kGoodImage.substr(1)},
                      DamagedImage{"HugeCode", "99999999999 " + kGoodImage},
                      DamagedImage{"Binary", std::string("\0\xFF\x01 7", 5)}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(SetupFileCommandsTest, SaveWithoutACompleteImageWritesTheTextsButNoImage) {
  FillFullSetup(saved_);
  for (const char* cell : {"", "dd", "5"}) {
    saved_.model.Image().SetCellText(130, cell);
    fs::remove_all(folder_ / "a");
    fs::create_directory(folder_ / "a");
    EXPECT_FALSE(SaveSetupFiles(saved_.model, folder_ / "a" / "unit.K9S")) << cell;
    EXPECT_EQ(saved_.LastMessage(), kSaveFailed);
    EXPECT_TRUE(fs::exists(folder_ / "a" / "unit.K9S"));
    EXPECT_TRUE(fs::exists(folder_ / "a" / "unit_2.DU2"));
    EXPECT_FALSE(fs::exists(folder_ / "a" / "unit_3.DU3")) << cell;
  }
}

TEST_F(SetupFileCommandsTest, SaveThatCannotWriteSaysSoAndLeavesNoFile) {
  FillFullSetup(saved_);
  WriteBytes(folder_ / "not-a-folder", "");
  EXPECT_FALSE(SaveSetupFiles(saved_.model, folder_ / "not-a-folder" / "unit.K9S"));
  EXPECT_EQ(saved_.LastMessage(), kSaveFailed);
  EXPECT_FALSE(SaveSetupFiles(saved_.model, folder_ / "missing" / "unit.K9S"));
  EXPECT_EQ(saved_.LastMessage(), kSaveFailed);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), {}), 1);
  EXPECT_FALSE(saved_.ui.Busy());
}

TEST_F(SetupFileCommandsTest, LoadOfAMissingMainFileChangesNothing) {
  loaded_.Set("USER_COMPANY", "kept");
  EXPECT_FALSE(LoadSetupFiles(loaded_.model, folder_ / "nothing.K9S"));
  EXPECT_EQ(loaded_.LastMessage(), kLoadFailed);
  EXPECT_EQ(loaded_.Text("USER_COMPANY"), "kept");
}

TEST_F(SetupFileCommandsTest, CommandsAskForTheFileAndACancelChangesNothing) {
  FillFullSetup(saved_);
  saved_.model.DisableFormControls();
  saved_.ui.QueueAnswer({Kind::Cancel, ""});
  saved_.model.RunCommand(Command::Save);
  ASSERT_EQ(saved_.ui.Records().size(), 1u);
  EXPECT_EQ(saved_.ui.Records()[0].kind, "save");
  EXPECT_EQ(saved_.ui.Records()[0].text, "K9S (*.K9S);;AllFile (*)");
  EXPECT_TRUE(saved_.model.Controls().Get<TextField>("USER_COMPANY").Enabled()) << "controls enabled after a cancel";
  EXPECT_TRUE(fs::is_empty(folder_.Path()));

  saved_.ui.QueueAnswer({Kind::File, (folder_ / "unit.K9S").string()});
  saved_.model.K9R_P1_Toolbar_ButtonClick("Save");
  EXPECT_EQ(saved_.LastMessage(), kSaved);

  loaded_.ui.QueueAnswer({Kind::Cancel, ""});
  loaded_.model.RunCommand(Command::Load);
  EXPECT_EQ(loaded_.ui.Records().back().kind, "open");
  EXPECT_EQ(loaded_.Text("USER_COMPANY"), "");
  loaded_.ui.QueueAnswer({Kind::File, (folder_ / "unit.K9S").string()});
  loaded_.model.Menu("mnuload").Click();
  EXPECT_EQ(loaded_.LastMessage(), kLoaded);
  EXPECT_EQ(loaded_.Text("USER_COMPANY"), "Kranbau Nord");
}

TEST_F(SetupFileCommandsTest, MessagesComeFromTheLanguageTexts) {
  auto& texts = saved_.model.State().LOADTEXT;
  texts[0] = "\u72c0\u614b";
  texts[6] = "\u5132\u5b58\u5b8c\u6210";
  FillFullSetup(saved_);
  ASSERT_TRUE(SaveSetupFiles(saved_.model, folder_ / "unit.K9S"));
  EXPECT_EQ(saved_.ui.Records().back().title, "\u72c0\u614b");
  EXPECT_EQ(saved_.LastMessage(), "\u5132\u5b58\u5b8c\u6210");
  saved_.model.Image().SetCellText(130, "");
  SaveSetupFiles(saved_.model, folder_ / "unit.K9S");
  EXPECT_EQ(saved_.LastMessage(), kSaveFailed) << "an empty text falls back to English";
  EXPECT_EQ(saved_.ui.Records().back().title, " K9R Message");
}

TEST_F(SetupFileCommandsTest, ChosenCodePageReadsAndWritesBig5) {
  ASSERT_TRUE(loaded_.model.Settings().OverrideCodePage("BIG5"));
  CopyFixture("taiwan.K9S", folder_ / "taiwan.K9S");
  CopyFixture("crane7_1.DU1", folder_ / "taiwan_1.DU1");
  WriteBytes(folder_ / "taiwan_2.DU2", "\xA5\x78\xC6\x57\r\n");
  CopyFixture("crane7_3.DU3", folder_ / "taiwan_3.DU3");
  ASSERT_TRUE(LoadSetupFiles(loaded_.model, folder_ / "taiwan.K9S"));
  EXPECT_EQ(loaded_.Text("DISTRIBUTOR_COMPANY_NAME"), "\u53f0\u7063\u8d77\u91cd\u6a5f\u68b0");
  EXPECT_EQ(loaded_.Text("USER_REMARK"), "\u53f0\u7063\n");

  ASSERT_TRUE(SaveSetupFiles(loaded_.model, folder_ / "copy.K9S"));
  EXPECT_EQ(ReadBytes(folder_ / "copy_2.DU2"), "\xA5\x78\xC6\x57\r\n");
  EXPECT_EQ(ReadBytes(folder_ / "copy.K9S").substr(0, 12), ReadBytes(folder_ / "taiwan.K9S").substr(0, 12));
}

TEST_F(SetupFileCommandsTest, TextTheCodePageLacksIsKeptAsUtf8) {
  FillFullSetup(saved_);
  saved_.Set("USER_COMPANY", "\u9ad8\u96c4\u6e2f\u52d9");
  ASSERT_TRUE(SaveSetupFiles(saved_.model, folder_ / "unit.K9S"));
  ASSERT_TRUE(LoadSetupFiles(loaded_.model, folder_ / "unit.K9S"));
  EXPECT_EQ(loaded_.Text("USER_COMPANY"), "\u9ad8\u96c4\u6e2f\u52d9");
  EXPECT_EQ(loaded_.Text("DISTRIBUTOR_COMPANY_NAME"), "Hebezeug M\u00fcller GmbH");
}

}  // namespace
}  // namespace k9r
