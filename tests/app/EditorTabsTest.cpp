#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "app/MainWindowView.h"
#include "app/QtUserInterface.h"
#include "core/Clock.h"
#include "editor/MainWindow.h"
#include "editor/ScriptedUserInterface.h"

namespace k9r {
namespace {

class FunctionTabTest : public ::testing::Test {
 protected:
  FunctionTabTest() : model_(ui_, clock_), view_(model_) {
    model_.startup();
    view_.show();
    QApplication::processEvents();
  }

  template <class W>
  W* Widget(std::string_view name) {
    return view_.findChild<W*>(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
  }
  QWidget* Page() { return view_.findChild<QTabWidget*>("SSTab1")->widget(0); }

  // The six-pair unit shows pair R5/R6 where the standard unit has its F1 key.
  void ShowSixPairLayout() {
    for (const char* f1 : {"Label1(87)", "F1_MODE", "ACCDELAY_DOWN_F1", "Label1(64)", "TIME_ACCDELAY_DN_F1",
                           "Label1(70)", "CONTROL_FUNC_F1"}) {
      model_.Controls().Get<Control>(f1).SetVisible(false);
    }
    model_.Controls().Get<Control>("PAIR5_FRAME").SetVisible(true);
    QApplication::processEvents();
  }

  // Every shown list, button and field of the tab lies inside the tab and
  // is wide enough for what it shows.
  void ExpectEverythingFits() {
    QWidget* page = Page();
    const QRect pageRect = page->rect();
    int checked = 0;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QComboBox*>(widget) || qobject_cast<QPushButton*>(widget) ||
                           qobject_cast<QLineEdit*>(widget) || qobject_cast<QLabel*>(widget);
      if (!control || !widget->isVisibleTo(page)) continue;
      ++checked;
      const QRect rect(widget->mapTo(page, QPoint(0, 0)), widget->size());
      EXPECT_TRUE(pageRect.contains(rect)) << widget->objectName().toStdString() << " lies outside the tab";
      if (auto* list = qobject_cast<QComboBox*>(widget)) {
        EXPECT_GE(list->width(), list->sizeHint().width()) << list->objectName().toStdString() << " is clipped";
      }
    }
    EXPECT_GT(checked, 100);
  }

  void SaveScreenshot(const char* name) {
    QDir().mkpath("screenshots");
    EXPECT_TRUE(view_.grab().save(QString("screenshots/%1.png").arg(name)));
  }

  ScriptedUserInterface ui_;
  VirtualClock clock_;
  MainWindow model_;
  MainWindowView view_;
};

TEST_F(FunctionTabTest, StandardLayoutFitsTheWindow) {
  ASSERT_TRUE(Widget<QComboBox>("F1_MODE")->isVisible());
  ASSERT_FALSE(Widget<QPushButton>("FUNC_MODE_SELECT(5)")->isVisible());
  ExpectEverythingFits();
  SaveScreenshot("function-tab-standard");
}

TEST_F(FunctionTabTest, SixPairLayoutFitsTheWindow) {
  ShowSixPairLayout();
  ASSERT_TRUE(Widget<QPushButton>("FUNC_MODE_SELECT(5)")->isVisible());
  ASSERT_FALSE(Widget<QComboBox>("F1_MODE")->isVisible());
  // The settings that only some states show, shown at once.
  model_.Controls().Get<Choice>("POWER_ON_MODE").Select(2);
  model_.Controls().Get<Control>("INTERLOCK_DELAY_TIME_UPDN(5)").SetVisible(true);
  model_.Controls().Get<Control>("Label1(73)").SetVisible(true);
  QApplication::processEvents();
  ExpectEverythingFits();
  SaveScreenshot("function-tab-six-pair");
}

TEST_F(FunctionTabTest, ChoosingAnItemWritesTheCellsAndUpdatesOtherLists) {
  auto* transmitMode = Widget<QComboBox>("TRANSMIT_MODE");
  ASSERT_NE(transmitMode, nullptr);
  QTest::keyClick(transmitMode, Qt::Key_Down);
  EXPECT_EQ(model_.Controls().Get<Choice>("TRANSMIT_MODE").Text(), "Non-Continuous");
  EXPECT_EQ(model_.Image().CellText(0x92), "88");
  EXPECT_EQ(Widget<QLineEdit>("SETUP_DATA_TXTBOX(146)")->text(), "88") << "the MEM-B cell shows it";
  EXPECT_EQ(Widget<QComboBox>("PASSIVE_ACT")->currentText(), "Relay-Off");
  EXPECT_FALSE(Widget<QWidget>("AUTO_OFF_TX_TIMES_BOX")->isVisible());
}

TEST_F(FunctionTabTest, EmergencyStopListOfOneKeyMovesTheOther) {
  QTest::keyClick(Widget<QComboBox>("CONTROL_FUNC_UD(3)"), Qt::Key_Down);
  EXPECT_EQ(Widget<QComboBox>("CONTROL_FUNC_UD(2)")->currentText(), "Bypass EMS");
  EXPECT_EQ(model_.Image().CellText(0xA2), "FF");
}

TEST_F(FunctionTabTest, EnterOnAPairButtonGoesToTheModel) {
  auto* pairButton = Widget<QPushButton>("FUNC_MODE_SELECT(2)");
  QTest::keyClick(pairButton, Qt::Key_Return);
  EXPECT_EQ(ui_.SentKeys(), std::vector<std::string>{"{tab}"});
  EXPECT_FALSE(model_.Controls().Get<Control>("SELECT_MODETYPE").Visible());
  QTest::mouseClick(pairButton, Qt::LeftButton);
  EXPECT_TRUE(model_.Controls().Get<Control>("SELECT_MODETYPE").Visible());
  EXPECT_EQ(model_.State().BUTTON_MODEL, 2);
}

TEST_F(FunctionTabTest, SpecFuncTabShowsItsSettingsOnceOpened) {
  // Closed to users; opened here as a debug run would.
  model_.SSTab1().SetTabEnabled(2, true);
  model_.SSTab1().Select(2);
  QApplication::processEvents();
  EXPECT_TRUE(Widget<QGroupBox>("SPEC_FUNC")->isVisible());
  EXPECT_EQ(Widget<QComboBox>("ems_times")->currentText(), "10");
  EXPECT_EQ(Widget<QComboBox>("R6_DELAYTIME")->currentText(), "05");
  QTest::keyClick(Widget<QComboBox>("LOWER_BATTERY"), Qt::Key_Down);
  EXPECT_EQ(model_.Controls().Get<Choice>("LOWER_BATTERY").Text(), "Continuous");
  SaveScreenshot("spec-func-tab");
}

TEST(QtUserInterfaceTest, SentTabMovesTheFocusOn) {
  QWidget window;
  auto* first = new QPushButton("first", &window);
  auto* second = new QPushButton("second", &window);
  second->move(0, 40);
  window.show();
  QApplication::setActiveWindow(&window);
  first->setFocus();
  ASSERT_TRUE(first->hasFocus());
  QtUserInterface ui;
  ui.SendKeys("{tab}");
  EXPECT_TRUE(second->hasFocus());
}

}  // namespace
}  // namespace k9r
