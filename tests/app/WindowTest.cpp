// The window smoke test: the real widgets, offscreen, bound to the model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
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
