#include <gtest/gtest.h>

#include <regex>

#include "core/Clock.h"
#include "editor/MainWindow.h"
#include "editor/ScriptedUserInterface.h"

namespace k9r {
namespace {

using Kind = ScriptedUserInterface::Answer::Kind;

class MainWindowTest : public ::testing::Test {
 protected:
  void Answer(Kind kind, std::string text = {}) { ui_.QueueAnswer({kind, std::move(text)}); }
  const std::vector<ScriptedUserInterface::Record>& Shown() const { return ui_.Records(); }

  ScriptedUserInterface ui_;
  VirtualClock clock_;
  MainWindow window_{ui_, clock_};
};

const std::string kSmallScreenText =
    "This program require minimum resolution of 800X600 or higher, it may not display properly for resolution "
    "below 800X600. Continue the program? ( Yes=Continue , No=Quit)";

struct ScreenCase {
  int width;
  int height;
  int questions;
};

class ScreenSizeTest : public MainWindowTest, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(ScreenSizeTest, AsksOncePerShortDimension) {
  const ScreenCase& c = GetParam();
  ui_.SetScreenSize({c.width, c.height});
  for (int i = 0; i < c.questions; ++i) Answer(Kind::Yes);
  window_.startup();
  EXPECT_EQ(static_cast<int>(Shown().size()), c.questions);
  EXPECT_FALSE(window_.Ended());
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenSizeTest,
                         ::testing::Values(ScreenCase{1024, 768, 0}, ScreenCase{800, 600, 0}, ScreenCase{799, 600, 1},
                                           ScreenCase{800, 599, 1}, ScreenCase{640, 480, 2}));

TEST_F(MainWindowTest, SmallScreenQuestionTextWithoutLanguageFile) {
  ui_.SetScreenSize({640, 480});
  window_.startup();
  ASSERT_EQ(Shown().size(), 1u) << "an unanswered question is a No, which ends at once";
  EXPECT_EQ(Shown()[0].text, "Screen Mode =640X480" + kSmallScreenText);
  EXPECT_EQ(Shown()[0].title, " K9R-4P Message");
  EXPECT_EQ(Shown()[0].icon, MessageIcon::Warning);
  EXPECT_EQ(Shown()[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(window_.Ended());
  EXPECT_TRUE(ui_.QuitRequested());
}

TEST_F(MainWindowTest, NoToTheHeightQuestionEnds) {
  ui_.SetScreenSize({640, 480});
  Answer(Kind::Yes);
  Answer(Kind::No);
  window_.startup();
  EXPECT_EQ(Shown().size(), 2u);
  EXPECT_TRUE(window_.Ended());
  EXPECT_EQ(window_.SETUP_DATA_LABEL(0).Caption(), "") << "start-up stopped before the labels";
}

TEST_F(MainWindowTest, SmallScreenQuestionFromLanguageTexts) {
  window_.State().LOADTEXT[0] = "Title";
  window_.State().LOADTEXT[1] = "Screen ";
  window_.State().LOADTEXT[2] = " is small";
  ui_.SetScreenSize({1024, 500});
  Answer(Kind::Yes);
  window_.startup();
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].text, "Screen 1024X500 is small");
  EXPECT_EQ(Shown()[0].title, "Title");
}

TEST_F(MainWindowTest, SecondInstanceSaysSoAndEnds) {
  ui_.SetAnotherInstanceRunning(true);
  window_.startup();
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].text, "This Program is Working There");
  EXPECT_EQ(Shown()[0].title, " K9R Message");
  EXPECT_EQ(Shown()[0].icon, MessageIcon::Warning);
  EXPECT_TRUE(window_.Ended());
}

TEST_F(MainWindowTest, StartupLabelsCellsClosesDebugTabsAndCentres) {
  window_.startup();
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(window_.SETUP_DATA_LABEL(0).Caption(), "1000");
  EXPECT_EQ(window_.SETUP_DATA_LABEL(0xAB).Caption(), "10AB");
  EXPECT_EQ(window_.SETUP_DATA_LABEL(255).Caption(), "10FF");
  EXPECT_TRUE(window_.SSTab1().TabEnabled(0));
  EXPECT_TRUE(window_.SSTab1().TabEnabled(1));
  for (int tab : {2, 3, 4}) EXPECT_FALSE(window_.SSTab1().TabEnabled(tab));
  EXPECT_EQ(window_.State().USER_MODE, 1);
  EXPECT_EQ(window_.State().new_GROUP_INTERLOCK, 1);
  EXPECT_EQ(window_.Window().Left(), (1024 - MainWindow::kWidth) / 2);
  EXPECT_EQ(window_.Window().Top(), (768 - MainWindow::kHeight) / 2);
  EXPECT_TRUE(window_.Controls().Get<Frame>("SETUP_DATA(1)").Visible());
}

TEST_F(MainWindowTest, ToolbarKeysDispatchByTheCurrentMenuCaptions) {
  std::vector<std::string> ran;
  for (auto [command, name] : {std::pair{Command::Load, "load"}, std::pair{Command::Save, "save"},
                               std::pair{Command::Printer, "print"}, std::pair{Command::ReadSetupData, "read"},
                               std::pair{Command::WriteSetupData, "write"}}) {
    window_.SetCommandAction(command, [&ran, name] { ran.push_back(name); });
  }
  Toolbar& toolbar = window_.K9R_P1_Toolbar();
  for (int number : {1, 3, 5, 8, 10, 12, 14, 16, 22}) toolbar.ClickButton(number);
  EXPECT_EQ(ran, (std::vector<std::string>{"load", "read", "save", "write", "print"}));

  // A language file renames the menu and the key from the same line.
  ran.clear();
  window_.Menu("mnuload").SetCaption("Laden");
  toolbar.ClickButton(1);
  EXPECT_TRUE(ran.empty()) << "the old key no longer matches";
  toolbar.SetButton(1, {"Laden", "Laden", "Laden"});
  toolbar.ClickButton(1);
  EXPECT_EQ(ran, (std::vector<std::string>{"load"}));
}

TEST_F(MainWindowTest, ToolbarSetsThePointerBackAfterACommand) {
  window_.SetCommandAction(Command::Load, [this] { ui_.SetBusy(true); });
  window_.K9R_P1_Toolbar().ClickKey("Load");
  EXPECT_FALSE(ui_.Busy());
}

// Records which print the window asked for; prints keep the pointer busy.
class RecordingPrinter : public WindowPrinter {
 public:
  explicit RecordingPrinter(UserInterface& ui) : ui_(ui) {}
  void PrintWindowWithSetup() override { Print("window"); }
  void PrintClientArea() override { Print("client area"); }
  std::vector<std::string> prints;

 private:
  void Print(const char* what) {
    ui_.SetBusy(true);
    prints.push_back(what);
  }
  UserInterface& ui_;
};

TEST_F(MainWindowTest, PrintCommandsReachTheWindowPrinter) {
  RecordingPrinter printer(ui_);
  window_.SetWindowPrinter(&printer);
  window_.Menu("mnuprinter").Click();
  EXPECT_FALSE(ui_.Busy()) << "the pointer is the arrow again after the Printer command";
  window_.K9R_P1_Toolbar().ClickKey("Printer");
  window_.Controls().Get<Button>("PRINTER_MAIN").Click();
  EXPECT_EQ(printer.prints, (std::vector<std::string>{"window", "window", "client area"}));
  EXPECT_TRUE(Shown().empty());
}

TEST_F(MainWindowTest, WithoutAPrinterBothPrintsPassOverSilently) {
  window_.Menu("mnuprinter").Click();
  window_.Controls().Get<Button>("PRINTER_MAIN").Click();
  EXPECT_TRUE(Shown().empty());
  EXPECT_FALSE(window_.Ended());
}

TEST_F(MainWindowTest, ExitAnsweredNoChangesNothing) {
  bool portClosed = false;
  window_.SetLinkPortCloser([&] { portClosed = true; });
  Answer(Kind::No);
  window_.Menu("mnuexit").Click();
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].text, "Are you sure to exit program?");
  EXPECT_EQ(Shown()[0].title, " K9R Message");
  EXPECT_EQ(Shown()[0].icon, MessageIcon::Question);
  EXPECT_FALSE(window_.Ended());
  EXPECT_FALSE(portClosed);
}

TEST_F(MainWindowTest, ExitAnsweredYesClosesThePortAndEnds) {
  bool portClosed = false;
  window_.SetLinkPortCloser([&] { portClosed = true; });
  window_.State().LOADTEXT[0] = "Nachricht";
  window_.State().LOADTEXT[13] = "Beenden?";
  Answer(Kind::Yes);
  window_.K9R_P1_Toolbar().ClickKey("Exit");
  EXPECT_EQ(Shown()[0].text, "Beenden?");
  EXPECT_EQ(Shown()[0].title, "Nachricht");
  EXPECT_TRUE(portClosed);
  EXPECT_TRUE(window_.Ended());
  EXPECT_TRUE(ui_.QuitRequested());
}

TEST_F(MainWindowTest, VersionBox) {
  window_.Menu("mmuVer").Click();
  ASSERT_EQ(Shown().size(), 1u);
  EXPECT_EQ(Shown()[0].text, " K9R SETUP PROGRAM V7.10M(01/01/2012)");
  EXPECT_EQ(Shown()[0].icon, MessageIcon::None);
  EXPECT_EQ(Shown()[0].buttons, MessageButtons::Ok);
}

TEST_F(MainWindowTest, ClockTitleShowsDateAndTime) {
  EXPECT_EQ(window_.Window().Caption(), "K-9R SETUP PROGRAM ");
  window_.Timer1_Timer(std::chrono::system_clock::now());
  const std::regex title(R"( K9R SETUP PROGRAM V7\.10M\(01/01/2012\)  \d\d-\d\d-\d{4}  \d\d:\d\d:\d\d)");
  EXPECT_TRUE(std::regex_match(window_.Window().Caption(), title)) << window_.Window().Caption();
}

struct CellDialogCase {
  const char* before;
  std::optional<std::string> typed;  // nullopt: cancel
  const char* after;
  std::size_t messages;
};

class CellDialogTest : public MainWindowTest, public ::testing::WithParamInterface<CellDialogCase> {};

TEST_P(CellDialogTest, StoresUpperCasedHexOrKeepsTheCell) {
  const CellDialogCase& c = GetParam();
  window_.Image().SetCellText(0x95, c.before);
  if (c.typed) {
    Answer(Kind::Text, *c.typed);
  } else {
    Answer(Kind::Cancel);
  }
  window_.SETUP_DATA_TXTBOX(0x95).Click();
  EXPECT_EQ(window_.Image().CellText(0x95), c.after);
  ASSERT_EQ(Shown().size(), c.messages);
  EXPECT_EQ(Shown()[0].kind, "input");
  EXPECT_EQ(Shown()[0].text, "PLEASE ENTER VALUE for CHANGE THIS VALUE (HEX)?");
  EXPECT_EQ(Shown()[0].title, "INPUT NUMBER BY HEX");
}

INSTANTIATE_TEST_SUITE_P(Answers, CellDialogTest,
                         ::testing::Values(CellDialogCase{"0A", "a5", "A5", 1}, CellDialogCase{"0A", "7", "7", 1},
                                           CellDialogCase{"0A", "", "0A", 1},
                                           CellDialogCase{"0A", std::nullopt, "0A", 1},
                                           CellDialogCase{"0A", "1FF", "0A", 2}, CellDialogCase{"", "zz", "", 2},
                                           CellDialogCase{"0A", " 5", "0A", 2}));

TEST_F(MainWindowTest, FormLockDuringOperationsKeepsDesignStates) {
  Button& print = window_.Controls().Get<Button>("PRINTER_MAIN");
  print.SetEnabled(false);
  window_.DisableFormControls();
  EXPECT_FALSE(window_.Menu("mnuload").Enabled());
  EXPECT_FALSE(window_.SETUP_DATA_TXTBOX(3).Enabled());
  window_.EnableFormControls();
  EXPECT_TRUE(window_.Menu("mnuload").Enabled());
  EXPECT_FALSE(print.Enabled()) << "a control disabled on purpose stays disabled";
}

TEST(ReportReadFailureTest, TurnsTheResultCodeIntoAMessageAndClearsIt) {
  const std::pair<int, const char*> cases[] = {
      {5, "READ SETUP DATA PASSWORD ERROR !!!"}, {10, "READ SETUP DATA ERROR !!!"}, {0, nullptr}, {1, nullptr}};
  for (const auto& [code, text] : cases) {
    ScriptedUserInterface ui;
    int syncConnect = code;
    ReportReadFailure(ui, syncConnect);
    EXPECT_EQ(syncConnect, 0);
    if (!text) {
      EXPECT_TRUE(ui.Records().empty()) << code;
      continue;
    }
    ASSERT_EQ(ui.Records().size(), 1u);
    EXPECT_EQ(ui.Records()[0].text, text);
    EXPECT_EQ(ui.Records()[0].title, "K-9R Message");
    EXPECT_EQ(ui.Records()[0].icon, MessageIcon::None);
    EXPECT_EQ(ui.Records()[0].buttons, MessageButtons::Ok);
  }
}

}  // namespace
}  // namespace k9r
