#include <gtest/gtest.h>

#include <algorithm>

#include <set>

#include "core/Clock.h"
#include "editor/ControlText.h"
#include "editor/LanguageTable.h"
#include "editor/MainWindow.h"
#include "editor/ModelDump.h"
#include "editor/ScriptedUserInterface.h"
#include "TempFolder.h"

namespace k9r {
namespace {

namespace fs = std::filesystem;
using k9r::testing::ReadBytes;
using k9r::testing::TempFolder;
using k9r::testing::WriteBytes;
using Kind = ScriptedUserInterface::Answer::Kind;

// A language file whose line k reads "t<k>", with count lines.
std::string NumberedLines(int count) {
  std::string text;
  for (int line = 0; line < count; ++line) text += "t" + std::to_string(line) + "\r\n";
  return text;
}

fs::path ShippedLanguageFile(const char* name) { return fs::path(K9R_SOURCE_DIR) / "data" / name; }

class LanguageTest : public ::testing::Test {
 protected:
  LanguageTest() {
    fs::create_directory(program_);
    window_.SetSettings(ProgramSettings({program_, program_}));
  }
  std::string Text(std::string_view name) const { return ControlText(window_.Controls(), name); }
  void StartWithLanguageFile(const std::string& bytes) {
    WriteBytes(program_ / "lang.ini", bytes);
    WriteBytes(program_ / "setupLANG.txt", (program_ / "lang.ini").string() + "\r\n");
    window_.startup();
  }

  TempFolder folder_;
  fs::path program_ = folder_ / "program";
  ScriptedUserInterface ui_;
  VirtualClock clock_;
  MainWindow window_{ui_, clock_};
};

TEST_F(LanguageTest, WithoutAnyLanguageFileTheEnglishTextsStay) {
  window_.startup();
  EXPECT_EQ(Text("mnuload"), "Load");
  EXPECT_EQ(window_.SSTab1().Captions()[0], " Function-Setting");
  for (const auto& text : window_.State().LOADTEXT) EXPECT_EQ(text, "");
  EXPECT_EQ(window_.State().LANGUAGE_file_path, "");
}

TEST_F(LanguageTest, EveryLineReachesItsTarget) {
  StartWithLanguageFile(NumberedLines(211));
  const auto& loadText = window_.State().LOADTEXT;
  const std::pair<int, const char*> messages[] = {{0, "t129"},  {17, "t146"}, {18, "t165"}, {19, "t148"},
                                                  {24, "t106"}, {33, "t115"}, {34, "t153"}, {36, "t155"},
                                                  {37, "t190"}, {38, ""},     {45, ""}};
  for (const auto& [index, text] : messages) EXPECT_EQ(loadText[static_cast<std::size_t>(index)], text) << index;

  EXPECT_EQ(window_.SSTab1().Captions(), (std::vector<std::string>{"t0", "t1", "t2", "t3", "t4"}));
  const std::pair<const char*, const char*> captions[] = {
      {"READ_SETUP_DATA", "t30"}, {"WRITE_SETUP_DATA", "t31"}, {"mnufile", "t105"}, {"mnuload", "t106"},
      {"mmuVer", "t115"},         {"USER_FRAME", "t116"},      {"Label23", "t117"}, {"Label20", "t120"},
      {"Label19", "t121"},        {"Label17", "t123"},         {"Label2", "t117"},  {"COMPANY_EMAIL", "t120"},
      {"Label7", "t121"},         {"Label6", "t123"},          {"DISTRIBUTOR_FRAME", "t124"},
      {"Label10", "t125"},        {"Label13", "t126"},         {"Label9", "t127"},  {"Label8", "t128"},
  };
  for (const auto& [control, text] : captions) EXPECT_EQ(Text(control), text) << control;

  const auto& buttons = window_.K9R_P1_Toolbar().Buttons();
  const std::pair<int, const char*> keys[] = {{1, "t106"}, {8, "t111"}, {10, "t107"}, {12, "t112"}, {14, "t108"}, {93, "t109"}};
  for (const auto& [number, key] : keys) {
    EXPECT_EQ(buttons[static_cast<std::size_t>(number - 1)].key, key) << number;
    EXPECT_EQ(buttons[static_cast<std::size_t>(number - 1)].toolTip, key) << number;
  }
  EXPECT_EQ(buttons[2].key, "New") << "buttons without a line keep their key";
}

TEST_F(LanguageTest, ListsAreRebuiltWithoutASelection) {
  window_.startup();
  int handlerRuns = 0;
  for (const char* name : {"UP_FUNC(2)", "MODELTYPE_NO(0)", "AUTO_OFF_RX_TIMES"}) {
    auto& list = window_.Controls().Get<Choice>(name);
    list.Select(1);
    list.OnSelect([&handlerRuns] { ++handlerRuns; });
  }
  WriteBytes(program_ / "lang.ini", NumberedLines(211));
  window_.State().LANGUAGE_file_path = (program_ / "lang.ini").string();
  window_.showtexts();
  auto& up = window_.Controls().Get<Choice>("UP_FUNC(2)");
  EXPECT_EQ(up.Items(), (std::vector<std::string>{"t33", "t34", "t35", "t36", "t37", "t38", "t39", "t170", "t181",
                                                  "t182", "t183"}));
  EXPECT_EQ(window_.Controls().Get<Choice>("MODELTYPE_NO(0)").Items()[24], "t180");
  EXPECT_EQ(window_.Controls().Get<Choice>("AUTO_OFF_RX_TIMES").Items(),
            (std::vector<std::string>{"t55", "t56", "t57", "t58", "t59", "t60", "t61", "t63"}));
  EXPECT_EQ(up.Index(), -1);
  EXPECT_EQ(handlerRuns, 0);
}

TEST_F(LanguageTest, FileOf211LinesAppliesAndOf212DoesNot) {
  StartWithLanguageFile(NumberedLines(211));
  EXPECT_EQ(Text("mnuload"), "t106");
  StartWithLanguageFile(NumberedLines(212));
  EXPECT_EQ(Text("mnuload"), "t106") << "a longer file changes nothing";
  EXPECT_EQ(window_.State().LOADTEXT[0], "t129");
}

TEST_F(LanguageTest, ShortFileEmptiesLaterCaptionsAndMessagesFallBackToEnglish) {
  StartWithLanguageFile(NumberedLines(100));
  EXPECT_EQ(window_.SSTab1().Captions()[1], "t1");
  EXPECT_EQ(Text("READ_SETUP_DATA"), "t30");
  EXPECT_EQ(Text("mnuload"), "") << "lines the file lacks are empty texts";
  EXPECT_EQ(Text("USER_FRAME"), "");
  window_.RunCommand(Command::Exit);
  ASSERT_FALSE(ui_.Records().empty());
  EXPECT_EQ(ui_.Records().back().text, "Are you sure to exit program?");
  EXPECT_EQ(ui_.Records().back().title, " K9R Message");
}

TEST_F(LanguageTest, RenamedMenusStillDispatchFromTheToolbar) {
  std::string text = NumberedLines(211);
  StartWithLanguageFile(text);
  window_.K9R_P1_Toolbar().ClickButton(1);
  ASSERT_FALSE(ui_.Records().empty());
  EXPECT_EQ(ui_.Records().back().kind, "open") << "button 1 (key t106) still loads";
  window_.K9R_P1_Toolbar().ClickButton(10);
  EXPECT_EQ(ui_.Records().back().kind, "save");
}

TEST_F(LanguageTest, ChosenPathThatIsGoneDoesNotFallBackToEngIni) {
  fs::copy_file(ShippedLanguageFile("CHT.ini"), program_ / "ENG.ini");
  WriteBytes(program_ / "setupLANG.txt", (program_ / "gone.ini").string() + "\r\n");
  window_.startup();
  EXPECT_EQ(Text("mnuload"), "Load");
  EXPECT_EQ(window_.State().LANGUAGE_file_path, (program_ / "gone.ini").string());
}

// Where ENG.ini rightly differs from the design-time window: it adds the
// group items to the pair lists, gives pair 5 the same lists as the other
// pairs, and replaces the "XXXXXX" placeholders of the mode-picture labels.
bool LanguageFileExtends(const Control& design, const Control& english) {
  const std::string& name = design.Name();
  if (name.ends_with("(5)") || name == "CONTROL_FUNC_UD(10)" || name == "CONTROL_FUNC_UD(11)") return true;
  if (design.Kind() == ControlKind::Label && design.Caption().starts_with("XXXXXX")) return true;
  const auto* designList = dynamic_cast<const Choice*>(&design);
  const auto* englishList = dynamic_cast<const Choice*>(&english);
  if (!designList || !englishList) return false;
  const auto& designItems = designList->Items();
  const auto& englishItems = englishList->Items();
  return englishItems.size() > designItems.size() &&
         std::equal(designItems.begin(), designItems.end(), englishItems.begin()) &&
         designList->Index() == englishList->Index();
}

TEST_F(LanguageTest, ShippedEngIniReproducesTheEnglishWindow) {
  MainWindow english{ui_, clock_};
  english.startup();
  fs::copy_file(ShippedLanguageFile("ENG.ini"), program_ / "ENG.ini");
  window_.startup();
  EXPECT_EQ(window_.State().LOADTEXT[13], "Are you sure to exit program?");
  for (const auto& control : english.Controls().All()) {
    const Control& withFile = window_.Controls().Get<Control>(control->Name());
    if (LanguageFileExtends(*control, withFile)) continue;
    EXPECT_EQ(DumpControl(*control), DumpControl(withFile)) << control->Name();
  }
  EXPECT_EQ(window_.Controls().Get<Choice>("UP_FUNC(0)").ListCount(), 11);
  EXPECT_EQ(window_.Controls().Get<Choice>("MODELTYPE_NO(5)").ListCount(), 25);
}

TEST_F(LanguageTest, LanguageCommandSwitchesToChineseAndBack) {
  window_.startup();
  ui_.QueueAnswer({Kind::Cancel, ""});
  window_.Menu("mnulanguage").Click();
  EXPECT_FALSE(fs::exists(program_ / "setupLANG.txt")) << "a cancel changes nothing";
  EXPECT_EQ(Text("mnuload"), "Load");

  const std::string chinese = ShippedLanguageFile("CHT.ini").string();
  ui_.QueueAnswer({Kind::File, chinese});
  window_.Menu("mnulanguage").Click();
  EXPECT_EQ(ui_.Records().back().text, "ini (*.ini);;AllFile (*)");
  EXPECT_EQ(Text("mnuload"), "\u958b\u555f");
  EXPECT_EQ(Text("USER_FRAME"), "\u4f7f\u7528\u8005");
  EXPECT_EQ(window_.K9R_P1_Toolbar().Buttons()[0].key, "\u958b\u555f");
  EXPECT_EQ(ReadBytes(program_ / "setupLANG.txt"), chinese + "\r\n");

  MainWindow nextRun{ui_, clock_};
  nextRun.SetSettings(ProgramSettings({program_, program_}));
  nextRun.startup();
  EXPECT_EQ(ControlText(nextRun.Controls(), "mnuload"), "\u958b\u555f") << "the choice is remembered";

  ui_.QueueAnswer({Kind::File, ShippedLanguageFile("ENG.ini").string()});
  window_.Menu("mnulanguage").Click();
  EXPECT_EQ(Text("mnuload"), "Load");
  EXPECT_EQ(Text("USER_FRAME"), "USER");
}

TEST_F(LanguageTest, LanguageChosenWhereSettingsCannotBeWrittenStillApplies) {
  MainWindow withoutSettings{ui_, clock_};
  withoutSettings.startup();
  ui_.QueueAnswer({Kind::File, ShippedLanguageFile("CHT.ini").string()});
  withoutSettings.RunCommand(Command::Language);
  EXPECT_EQ(ControlText(withoutSettings.Controls(), "mnuload"), "\u958b\u555f");
}

TEST_F(LanguageTest, PortSettingIsReadAtStartupAndHandedOn) {
  std::vector<int> handed;
  window_.SetPortSettingHandler([&handed](const PortSetting& port) { handed.push_back(port.number); });
  window_.startup();
  WriteBytes(program_ / "setupCOM.txt", "3\r\n");
  window_.startup();
  EXPECT_EQ(handed, (std::vector<int>{1, 3}));
  EXPECT_EQ(window_.LinkPort().number, 3);
  EXPECT_EQ(ReadBytes(program_ / "setupCOM.txt"), "3\r\n") << "start-up does not rewrite it";
}

TEST(LanguageTableTest, TargetsStillMissingFromTheWindow) {
  // The controls of later work that the language table already names; the
  // list shrinks as they arrive.
  std::set<std::string> missing;
  auto Elements = [&missing](std::string_view array, std::initializer_list<int> indexes) {
    for (int index : indexes) missing.insert(Indexed(array, index));
  };
  // The port label.
  Elements("Label1", {43});
  ScriptedUserInterface ui;
  VirtualClock clock;
  MainWindow window{ui, clock};
  std::set<std::string> actual;
  for (const std::string& name : LanguageTargets()) {
    if (!window.Controls().Find(name)) actual.insert(name);
  }
  EXPECT_EQ(actual, missing);
}

}  // namespace
}  // namespace k9r
