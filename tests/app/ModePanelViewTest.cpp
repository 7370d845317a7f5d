// The mode panel in the window, offscreen: a pair button opens it over the
// window, a mode box applies its preset and closes it.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "app/MainWindowView.h"
#include "core/Clock.h"
#include "editor/MainWindow.h"
#include "editor/ModePanel.h"
#include "editor/PairEditing.h"
#include "editor/ScriptedUserInterface.h"

namespace k9r {
namespace {

class ModePanelViewTest : public ::testing::Test {
 protected:
  ModePanelViewTest() : model_(ui_, clock_), view_(model_) {
    model_.startup();
    view_.show();
    QApplication::processEvents();
  }

  template <class W>
  W* Widget(const std::string& name) {
    W* widget = view_.findChild<W*>(QString::fromStdString(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QFrame* Panel() { return Widget<QFrame>("SELECT_MODETYPE"); }
  void Click(const std::string& button) {
    QTest::mouseClick(Widget<QPushButton>(button), Qt::LeftButton);
    QApplication::processEvents();
  }

  ScriptedUserInterface ui_;
  VirtualClock clock_;
  MainWindow model_;
  MainWindowView view_;
};

TEST_F(ModePanelViewTest, PairButtonOpensThePanelOverTheWindowWithThatPairsModes) {
  ASSERT_FALSE(Panel()->isVisible());
  Click("FUNC_MODE_SELECT(3)");
  ASSERT_TRUE(Panel()->isVisible());
  auto* tabs = Widget<QTabWidget>("SSTab1");
  EXPECT_EQ(Panel()->geometry(), tabs->rect()) << "the panel covers the tabs";
  // What lies under the panel cannot be clicked.
  const QPoint underPairButton = Widget<QPushButton>("FUNC_MODE_SELECT(0)")->mapTo(tabs, QPoint(5, 5));
  EXPECT_EQ(tabs->childAt(underPairButton)->window(), &view_);
  EXPECT_TRUE(Panel()->isAncestorOf(tabs->childAt(underPairButton)) || tabs->childAt(underPairButton) == Panel());

  for (int mode : {1, 5, 18, 19, 20, 21, 22, 23}) {
    EXPECT_TRUE(Widget<QPushButton>("MODE" + std::to_string(mode) + "_BOX")->isEnabled()) << mode;
  }
  for (int mode : {6, 17, 24, 25}) {
    EXPECT_FALSE(Widget<QPushButton>("MODE" + std::to_string(mode) + "_BOX")->isEnabled()) << mode;
  }
  EXPECT_FALSE(Widget<QLabel>("Label3(72)")->isEnabled()) << "Mode 25's captions with it";
}

TEST_F(ModePanelViewTest, ModeBoxAppliesThePresetAndClosesThePanel) {
  Click("FUNC_MODE_SELECT(0)");
  Click("MODE5_BOX");
  EXPECT_FALSE(Panel()->isVisible());
  EXPECT_EQ(model_.Image().CellText(0xA0), "01");
  EXPECT_EQ(Widget<QComboBox>("MODELTYPE_NO(0)")->currentText(), "Mode 5");
  EXPECT_EQ(Widget<QComboBox>("UP_FUNC(0)")->currentText(), "On");
  EXPECT_EQ(Widget<QComboBox>("DOWN_FUNC(0)")->currentText(), "Off");
  EXPECT_TRUE(Widget<QComboBox>("CONTROL_FUNC_UD(1)")->isVisible());
  EXPECT_TRUE(Widget<QLabel>("Label1(0)")->isVisible()) << "Delay times";
}

TEST_F(ModePanelViewTest, ExitClosesThePanel) {
  Click("FUNC_MODE_SELECT(1)");
  Click("EXIT_SELECT_MODE");
  EXPECT_FALSE(Panel()->isVisible());
  EXPECT_EQ(model_.Image().CellText(0xA2), "7F");
}

// Everything the panel shows lies inside it and its texts are not cut.
TEST_F(ModePanelViewTest, PanelIsReadableInTheWindow) {
  Click("FUNC_MODE_SELECT(0)");
  const QRect panelRect = Panel()->rect();
  int checked = 0;
  for (QWidget* widget : Panel()->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(Panel()) || !(qobject_cast<QLabel*>(widget) || qobject_cast<QPushButton*>(widget))) {
      continue;
    }
    ++checked;
    const QRect rect(widget->mapTo(Panel(), QPoint(0, 0)), widget->size());
    EXPECT_TRUE(panelRect.contains(rect)) << widget->objectName().toStdString() << " lies outside the panel";
    const auto* label = qobject_cast<QLabel*>(widget);
    if (label && !label->wordWrap()) {
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString() << " is cut";
    }
  }
  EXPECT_EQ(checked, ModePanel::kModeCount * (1 + ModePanel::kCaptionsPerMode) + 9 + 1);
  QDir().mkpath("screenshots");
  EXPECT_TRUE(view_.grab().save("screenshots/mode-panel.png"));
}

// With the language file the group modes name their functions, and their
// presets show the file's items.
TEST_F(ModePanelViewTest, WithTheLanguageFileTheGroupModesNameWhatTheySet) {
  ui_.QueueAnswer({ScriptedUserInterface::Answer::Kind::File, K9R_SOURCE_DIR "/data/ENG.ini"});
  model_.RunCommand(Command::Language);
  Click("FUNC_MODE_SELECT(2)");
  for (int element = 48; element <= 71; ++element) {
    EXPECT_NE(Widget<QLabel>(Indexed("Label3", element))->text().left(3), "XXX") << element;
  }
  QDir().mkpath("screenshots");
  EXPECT_TRUE(view_.grab().save("screenshots/mode-panel-pair-2.png"));
  Click("MODE24_BOX");
  EXPECT_EQ(Widget<QComboBox>("MODELTYPE_NO(4)")->currentText(), "Mode 24");

  Click("FUNC_MODE_SELECT(3)");
  Click("MODE21_BOX");
  const auto& firstKeyItems = model_.Pairs().UP_FUNC(3).Items();
  ASSERT_EQ(firstKeyItems.size(), 11u);
  EXPECT_EQ(Widget<QComboBox>("UP_FUNC(3)")->currentText().toStdString(), firstKeyItems[8]);
  EXPECT_EQ(Widget<QComboBox>("MODELTYPE_NO(2)")->currentText(), "Mode 1") << "the three-pair group ended";
}

}  // namespace
}  // namespace k9r
