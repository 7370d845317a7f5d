#include <gtest/gtest.h>

#include <sys/stat.h>

#include "files/LanguageFile.h"
#include "files/ProgramSettings.h"
#include "TempFolder.h"

namespace k9r {
namespace {

using k9r::testing::ReadBytes;
using k9r::testing::TempFolder;
using k9r::testing::WriteBytes;

struct PortCase {
  const char* line;
  int number;
  const char* devicePath;
};

class PortLineTest : public ::testing::TestWithParam<PortCase> {};

TEST_P(PortLineTest, Parses) {
  const PortSetting port = ParsePortLine(GetParam().line);
  EXPECT_EQ(port.number, GetParam().number);
  EXPECT_EQ(port.devicePath, GetParam().devicePath);
}

INSTANTIATE_TEST_SUITE_P(Lines, PortLineTest,
                         ::testing::Values(PortCase{"3", 3, ""}, PortCase{"", 1, ""}, PortCase{"0", 1, ""},
                                           PortCase{"-2", 1, ""}, PortCase{"20", 20, ""}, PortCase{" 4 ", 4, ""},
                                           PortCase{"COM3", 1, ""}, PortCase{"99999", 1, ""},
                                           PortCase{"/dev/ttyUSB0", 1, "/dev/ttyUSB0"}),
                         [](const auto& testCase) { return "Case" + std::to_string(testCase.index); });

class ProgramSettingsTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  std::filesystem::path program_ = folder_ / "program";
  std::filesystem::path config_ = folder_ / "config";
  ProgramSettings settings_{{program_, config_}};

  void SetUp() override { std::filesystem::create_directory(program_); }
};

TEST_F(ProgramSettingsTest, PortIsWrittenBesideTheProgramAndReadBack) {
  EXPECT_EQ(settings_.ReadPort().number, 1) << "no file: COM1";
  ASSERT_TRUE(settings_.WritePort(4));
  EXPECT_EQ(ReadBytes(program_ / "setupCOM.txt"), "4\r\n");
  EXPECT_EQ(settings_.ReadPort().number, 4);
  ASSERT_TRUE(settings_.WritePortPath("/dev/ttyS1"));
  EXPECT_EQ(settings_.ReadPort().devicePath, "/dev/ttyS1");
  EXPECT_FALSE(std::filesystem::exists(config_)) << "a portable copy keeps its settings beside it";
}

TEST_F(ProgramSettingsTest, LanguagePathIsTheFirstLine) {
  EXPECT_EQ(settings_.ReadLanguagePath(), "");
  WriteBytes(program_ / "setupLANG.txt", "/opt/k9r/CHT.ini\r\nignored\r\n");
  EXPECT_EQ(settings_.ReadLanguagePath(), "/opt/k9r/CHT.ini");
  ASSERT_TRUE(settings_.WriteLanguagePath("/home/t/\u00dcbersetzung.ini"));
  EXPECT_EQ(ReadBytes(program_ / "setupLANG.txt"), "/home/t/\xDC" "bersetzung.ini\r\n");
  EXPECT_EQ(settings_.ReadLanguagePath(), "/home/t/\u00dcbersetzung.ini");
}

TEST_F(ProgramSettingsTest, InstalledProgramKeepsSettingsInTheUserFolder) {
  WriteBytes(program_ / "setupLANG.txt", "/usr/share/k9r/ENG.ini\r\n");
  WriteBytes(program_ / "setupCOM.txt", "2\r\n");
  ::chmod(program_.c_str(), 0555);
  if (::access(program_.c_str(), W_OK) == 0) {
    // Root writes anywhere, so the folder counts as writable: the portable rule.
    EXPECT_EQ(settings_.ReadPort().number, 2);
    return;
  }
  EXPECT_EQ(settings_.ReadLanguagePath(), "/usr/share/k9r/ENG.ini") << "what was shipped is the default";
  ASSERT_TRUE(settings_.WritePort(7));
  EXPECT_EQ(ReadBytes(config_ / "setupCOM.txt"), "7\r\n");
  EXPECT_EQ(settings_.ReadPort().number, 7);
  EXPECT_EQ(ReadBytes(program_ / "setupCOM.txt"), "2\r\n");
}

TEST_F(ProgramSettingsTest, CodePageFromTheCommandLineThenTheFileThenWindows1252) {
  EXPECT_EQ(settings_.CodePage(), "WINDOWS-1252");
  ASSERT_TRUE(settings_.WriteCodePage("BIG5"));
  EXPECT_EQ(settings_.CodePage(), "BIG5");
  EXPECT_FALSE(settings_.OverrideCodePage("NO-SUCH-PAGE"));
  EXPECT_EQ(settings_.CodePage(), "BIG5");
  ASSERT_TRUE(settings_.OverrideCodePage("CP950"));
  EXPECT_EQ(settings_.CodePage(), "CP950");
  WriteBytes(program_ / "setupCODEPAGE.txt", "nonsense\r\n");
  EXPECT_EQ(ProgramSettings({program_, config_}).CodePage(), "WINDOWS-1252");
}

TEST(ProgramSettingsWithoutFolders, ReadsDefaultsAndWritesNothing) {
  ProgramSettings settings;
  EXPECT_EQ(settings.ReadPort().number, 1);
  EXPECT_EQ(settings.ReadLanguagePath(), "");
  EXPECT_FALSE(settings.WritePort(3));
}

TEST(LanguageFileTest, ReadsUpTo211Lines) {
  TempFolder folder;
  for (const int count : {0, 100, 211, 212}) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "text " + std::to_string(i) + "\r\n";
    WriteBytes(folder / "lang.ini", text);
    const auto texts = ReadLanguageFile(folder / "lang.ini", "WINDOWS-1252");
    if (count > 211) {
      EXPECT_FALSE(texts) << count;
      continue;
    }
    ASSERT_TRUE(texts) << count;
    EXPECT_EQ(texts->LineCount(), count);
    EXPECT_EQ(texts->Text(count - 1), count ? "text " + std::to_string(count - 1) : "");
    EXPECT_EQ(texts->Text(count), "");
  }
  EXPECT_FALSE(ReadLanguageFile(folder / "missing.ini", "WINDOWS-1252"));
}

TEST(LanguageFileTest, ChoosesTheSetPathOrEngIni) {
  TempFolder folder;
  EXPECT_EQ(ChooseLanguageFile("", folder.Path()), std::nullopt);
  WriteBytes(folder / "ENG.ini", "File\r\n");
  WriteBytes(folder / "CHT.ini", "File\r\n");
  EXPECT_EQ(ChooseLanguageFile("", folder.Path()), folder / "ENG.ini");
  EXPECT_EQ(ChooseLanguageFile((folder / "CHT.ini").string(), folder.Path()), folder / "CHT.ini");
  EXPECT_EQ(ChooseLanguageFile((folder / "gone.ini").string(), folder.Path()), std::nullopt)
      << "a chosen file that is gone does not fall back to ENG.ini";
  EXPECT_EQ(ChooseLanguageFile("", ""), std::nullopt);
}

}  // namespace
}  // namespace k9r
