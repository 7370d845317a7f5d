// The window smoke test: the real widgets, offscreen, bound to the model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QToolBar>

#include "app/MainWindowView.h"
#include "app/TransmitterPictures.h"
#include "core/Clock.h"
#include "editor/MainWindow.h"
#include "editor/ScriptedUserInterface.h"

namespace k9r {
namespace {

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : model_(ui_, clock_), view_(model_) {
    model_.startup();
    view_.show();
  }

  // The memory tabs are closed to users; a test opens MEM-B as a debug run would.
  void OpenMemoryTab() {
    model_.SSTab1().SetTabEnabled(4, true);
    model_.SSTab1().Select(4);
  }

  QLineEdit* Cell(int cell) {
    return view_.findChild<QLineEdit*>(QString::fromStdString(Indexed("SETUP_DATA_TXTBOX", cell)));
  }

  ScriptedUserInterface ui_;
  VirtualClock clock_;
  MainWindow model_;
  MainWindowView view_;
};

TEST_F(WindowTest, TypedCellReachesTheModel) {
  OpenMemoryTab();
  QLineEdit* cell = Cell(0x94);  // a byte that no start-up default fills
  ASSERT_NE(cell, nullptr);
  QTest::keyClicks(cell, "4c");
  EXPECT_EQ(model_.Image().ReadImageByte(0x1094), 0x4C);
}

TEST_F(WindowTest, CellRefusesNonHexAndThirdCharacter) {
  OpenMemoryTab();
  QLineEdit* cell = Cell(0x91);
  QTest::keyClicks(cell, "G1Z23");
  EXPECT_EQ(model_.Image().CellText(0x91), "12");
}

TEST_F(WindowTest, ModelChangeReachesTheWidget) {
  model_.Image().WriteImageByte(0x1085, 0x33);
  EXPECT_EQ(Cell(0x85)->text(), "33");
  model_.Image().SetImageBit(0x1085, 1, 1);
  EXPECT_EQ(Cell(0x85)->text(), "B3");
}

TEST_F(WindowTest, ClickOnCellAsksForAHexValue) {
  OpenMemoryTab();
  ui_.QueueAnswer({ScriptedUserInterface::Answer::Kind::Text, "e7"});
  QTest::mouseClick(Cell(0x20), Qt::LeftButton);
  ASSERT_EQ(ui_.Records().size(), 1u);
  EXPECT_EQ(ui_.Records()[0].title, "INPUT NUMBER BY HEX");
  EXPECT_EQ(Cell(0x20)->text(), "E7");
}

TEST_F(WindowTest, StructureFollowsTheModel) {
  auto* tabs = view_.findChild<QTabWidget*>("SSTab1");
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 5);
  EXPECT_EQ(tabs->tabText(1), "User-Infomation");
  EXPECT_TRUE(tabs->isTabEnabled(1));
  for (int tab : {2, 3, 4}) EXPECT_FALSE(tabs->isTabEnabled(tab)) << tab;

  QStringList menus;
  for (QAction* action : view_.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{"File", "Tools", "About"}));
  EXPECT_FALSE(view_.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(view_.windowTitle(), "K-9R SETUP PROGRAM ");
}

TEST_F(WindowTest, CloseRequestAsksTheExitQuestion) {
  view_.close();
  ASSERT_EQ(ui_.Records().size(), 1u);
  EXPECT_EQ(ui_.Records()[0].text, "Are you sure to exit program?");
  EXPECT_TRUE(view_.isVisible()) << "answered no: the window stays";
  EXPECT_FALSE(model_.Ended());
}

TEST_F(WindowTest, ContactFieldsTakeTypingAndEnterMovesOn) {
  model_.SSTab1().Select(1);
  view_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view_));
  auto* phone = view_.findChild<QLineEdit*>("USER_TELEPHONE");
  ASSERT_NE(phone, nullptr);
  phone->setFocus();
  QTest::keyClicks(phone, "040 1234");
  QTest::keyClick(phone, Qt::Key_Return);
  EXPECT_EQ(model_.Controls().Get<TextField>("USER_TELEPHONE").Text(), "040 1234");
  EXPECT_EQ(QApplication::focusWidget(), view_.findChild<QWidget*>("USER_FAX"));

  auto* frequency = view_.findChild<QLineEdit*>("DISTRIBUTOR_FRQ1");
  frequency->setFocus();
  QTest::keyClicks(frequency, "433.");
  ASSERT_EQ(QApplication::focusWidget(), view_.findChild<QWidget*>("DISTRIBUTOR_FRQ2"));
  QTest::keyClicks(QApplication::focusWidget(), "9251");
  EXPECT_EQ(model_.Controls().Get<TextField>("DISTRIBUTOR_FRQ1").Text(), "433");
  EXPECT_EQ(model_.Controls().Get<TextField>("DISTRIBUTOR_FRQ2").Text(), "925");

  auto* address = view_.findChild<QPlainTextEdit*>("USER_ADDRESS");
  address->setFocus();
  QTest::keyClicks(address, "Dock 4");
  QTest::keyClick(address, Qt::Key_Return);
  EXPECT_EQ(model_.Controls().Get<TextField>("USER_ADDRESS").Text(), "Dock 4") << "Enter breaks no line here";
  EXPECT_EQ(QApplication::focusWidget(), phone);

  auto* remark = view_.findChild<QPlainTextEdit*>("USER_REMARK");
  remark->setFocus();
  QTest::keyClicks(remark, "a");
  QTest::keyClick(remark, Qt::Key_Return);
  QTest::keyClicks(remark, "b");
  EXPECT_EQ(model_.Controls().Get<TextField>("USER_REMARK").Text(), "a\nb");

  model_.Controls().Get<TextField>("DISTRIBUTOR_COMPANY_NAME").SetText("Hebezeug M\u00fcller GmbH");
  EXPECT_EQ(view_.findChild<QLineEdit*>("DISTRIBUTOR_COMPANY_NAME")->text(), QString("Hebezeug M\u00fcller GmbH"));
  QDir().mkpath("screenshots");
  EXPECT_TRUE(view_.grab().save("screenshots/user-info.png"));
}

TEST_F(WindowTest, ChineseLanguageFileShowsInTheWindow) {
  ui_.QueueAnswer({ScriptedUserInterface::Answer::Kind::File, K9R_SOURCE_DIR "/data/CHT.ini"});
  model_.RunCommand(Command::Language);
  QStringList menus;
  for (QAction* action : view_.menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{"\u6a94\u6848", "\u5de5\u5177", "\u95dc\u65bc"}));
  auto* tabs = view_.findChild<QTabWidget*>("SSTab1");
  EXPECT_EQ(tabs->tabText(1), "\u4f7f\u7528\u8005\u8cc7\u6599");
  model_.SSTab1().Select(1);
  QApplication::processEvents();  // the window lays itself out anew for the taller script
  EXPECT_TRUE(view_.findChild<QLineEdit*>("USER_TELEPHONE")->isVisible());
  EXPECT_TRUE(view_.findChild<QPlainTextEdit*>("USER_REMARK")->isVisible());
  QDir().mkpath("screenshots");
  EXPECT_TRUE(view_.grab().save("screenshots/user-info-chinese.png"));

  ui_.QueueAnswer({ScriptedUserInterface::Answer::Kind::File, K9R_SOURCE_DIR "/data/ENG.ini"});
  model_.RunCommand(Command::Language);
  EXPECT_EQ(tabs->tabText(1), "User-Infomation");
  EXPECT_EQ(view_.menuBar()->actions().front()->text(), "File");
}

TEST_F(WindowTest, ScreenshotsOfTheWindow) {
  // Written for people to look at; the test only checks they were made.
  QDir().mkpath("screenshots");
  EXPECT_TRUE(view_.grab().save("screenshots/main-window.png"));
  OpenMemoryTab();
  EXPECT_TRUE(view_.grab().save("screenshots/mem-b.png"));
}

TEST_F(WindowTest, TransmitterPictureFollowsTheUnitType) {
  std::unique_ptr<QWidget> pictures(BuildTransmitterPictures(model_));
  QDir().mkpath("screenshots");
  pictures->resize(160, 400);
  pictures->show();
  auto* standard = pictures->findChild<QWidget*>("Picture1");
  auto* sixPair = pictures->findChild<QWidget*>("Picture2");
  ASSERT_TRUE(standard && sixPair);
  EXPECT_TRUE(static_cast<QSvgWidget*>(standard)->renderer()->isValid()) << "the drawing is built in";
  EXPECT_TRUE(standard->isVisible());
  EXPECT_FALSE(sixPair->isVisible());
  QApplication::processEvents();
  EXPECT_TRUE(pictures->grab().save("screenshots/picture-standard.png"));
  model_.Controls().Get<Control>("Picture1").SetVisible(false);
  model_.Controls().Get<Control>("Picture2").SetVisible(true);
  EXPECT_FALSE(standard->isVisible());
  EXPECT_TRUE(sixPair->isVisible());
  QApplication::processEvents();
  EXPECT_TRUE(pictures->grab().save("screenshots/picture-six-pair.png"));
}

}  // namespace
}  // namespace k9r

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
