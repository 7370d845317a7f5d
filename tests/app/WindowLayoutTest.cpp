// Every tab of the window at its fixed 800x600 size, in both unit layouts
// and both shipped languages, with every row that only some states show
// shown at once. Each tab is saved as a PNG in build/tests/screenshots for
// people to look at; the test itself checks that nothing is clipped, lies
// outside its frame or covers another control.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "app/MainWindowView.h"
#include "core/Clock.h"
#include "editor/MainWindow.h"
#include "editor/PairEditing.h"
#include "editor/ScriptedUserInterface.h"
#include "editor/SpecialFunctions.h"

namespace k9r {
namespace {

// The power-on mode decides which optional row shows: Toggle shows the
// START key's emergency-stop choice, Inching / Acceleration the inching time.
enum PowerOnMode { kNormal = 0, kToggle = 1, kInching = 2 };

struct LayoutCase {
  const char* name;
  const char* languageFile;  // in data/, or nullptr for the design-time texts
  bool sixPair;
  PowerOnMode powerOnMode;
};

std::ostream& operator<<(std::ostream& out, const LayoutCase& layout) { return out << layout.name; }

bool IsControl(const QWidget* widget) {
  return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
         qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QLabel*>(widget) ||
         qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QProgressBar*>(widget);
}

std::string Describe(const QWidget* widget) {
  const QString name = widget->objectName();
  if (!name.isEmpty()) return name.toStdString();
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return "label \"" + label->text().toStdString() + "\"";
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    return "button \"" + button->text().toStdString() + "\"";
  }
  return widget->metaObject()->className();
}

// What a technician would see as broken on one page: a control cut off by
// the page or by the frame it sits in, a caption or list narrower than its
// text, or two controls on top of each other.
std::vector<std::string> LayoutFaults(QWidget* page) {
  std::vector<std::string> faults;
  std::vector<std::pair<QWidget*, QRect>> shown;
  for (QWidget* widget : page->findChildren<QWidget*>()) {
    if (!IsControl(widget) || !widget->isVisibleTo(page)) continue;
    const QRect rect(widget->mapTo(page, QPoint(0, 0)), widget->size());
    if (!page->rect().contains(rect)) faults.push_back(Describe(widget) + " lies outside the tab");
    if (!widget->parentWidget()->rect().contains(widget->geometry())) {
      faults.push_back(Describe(widget) + " is cut off by " + Describe(widget->parentWidget()));
    }
    const QSize needed = widget->minimumSizeHint();
    if (qobject_cast<QLabel*>(widget) && (widget->width() < needed.width() || widget->height() < needed.height())) {
      faults.push_back(Describe(widget) + " is too small for its caption");
    }
    if (auto* list = qobject_cast<QComboBox*>(widget); list && list->width() < list->sizeHint().width()) {
      faults.push_back(Describe(widget) + " is too narrow for its items");
    }
    shown.emplace_back(widget, rect);
  }
  for (std::size_t a = 0; a < shown.size(); ++a) {
    for (std::size_t b = a + 1; b < shown.size(); ++b) {
      if (shown[a].second.intersects(shown[b].second)) {
        faults.push_back(Describe(shown[a].first) + " overlaps " + Describe(shown[b].first));
      }
    }
  }
  return faults;
}

class WindowLayoutTest : public ::testing::TestWithParam<LayoutCase> {
 protected:
  WindowLayoutTest() : model_(ui_, clock_), view_(model_) {
    model_.startup();
    view_.show();
    if (GetParam().languageFile) {
      ui_.QueueAnswer({ScriptedUserInterface::Answer::Kind::File,
                       std::string(K9R_SOURCE_DIR "/data/") + GetParam().languageFile});
      model_.RunCommand(Command::Language);
    }
    if (GetParam().sixPair) ShowSixPairLayout();
    ShowEveryOptionalRow();
    // The tabs closed to users open as a debug run would open them.
    for (int tab = 0; tab < static_cast<int>(model_.SSTab1().Captions().size()); ++tab) {
      model_.SSTab1().SetTabEnabled(tab, true);
    }
  }

  void Show(std::string_view name, bool visible = true) { model_.Controls().Get<Control>(name).SetVisible(visible); }

  // What a read of a six-pair unit shows and hides.
  void ShowSixPairLayout() {
    for (const char* f1 : {"Label1(87)", "F1_MODE", "ACCDELAY_DOWN_F1", "Label1(64)", "TIME_ACCDELAY_DN_F1",
                           "Label1(70)", "CONTROL_FUNC_F1", "Picture1"}) {
      Show(f1, false);
    }
    Show("PAIR5_FRAME");
    Show("Picture2");
  }

  // The widest and tallest the window gets: the power-on mode's own row,
  // every interlock delay, and on pair 5 the "Delay times" caption in place
  // of "Acc. Delay" as some modes have it.
  void ShowEveryOptionalRow() {
    model_.Controls().Get<Choice>("POWER_ON_MODE").Select(GetParam().powerOnMode);
    for (int pair = 0; pair < 6; ++pair) Show(Indexed("INTERLOCK_DELAY_TIME_UPDN", pair));
    Show(model_.Pairs().AccDelayCaption(5).Name(), false);
    Show(model_.Pairs().DelayTimesCaption(5).Name());
  }

  QTabWidget* Tabs() { return view_.findChild<QTabWidget*>("SSTab1"); }

  // A changed caption asks its layout anew only once the first round of
  // events has run.
  static void Settle() {
    QApplication::processEvents();
    QApplication::processEvents();
  }

  void OpenTab(int tab) {
    model_.SSTab1().Select(tab);
    Settle();
  }

  void SaveScreenshot(const QString& name) {
    QDir().mkpath("screenshots");
    EXPECT_TRUE(view_.grab().save(QString("screenshots/%1-%2.png").arg(GetParam().name, name)));
  }

  ScriptedUserInterface ui_;
  VirtualClock clock_;
  MainWindow model_;
  MainWindowView view_;
};

TEST_P(WindowLayoutTest, EveryTabIsCleanAt800x600) {
  QTabWidget* tabs = Tabs();
  ASSERT_NE(tabs, nullptr);
  for (int tab = 0; tab < tabs->count(); ++tab) {
    OpenTab(tab);
    ASSERT_EQ(tabs->currentIndex(), tab);
    QWidget* page = tabs->widget(tab);
    for (const std::string& fault : LayoutFaults(page)) ADD_FAILURE() << "tab " << tab << ": " << fault;
    SaveScreenshot(QString("tab%1").arg(tab));
  }
}

TEST_P(WindowLayoutTest, RowLabelsComeAndGoWithTheirLists) {
  OpenTab(0);
  const auto expectLabelsFollowLists = [this](const char* state) {
    Settle();
    for (const SettingLabel& row : SettingLabels()) {
      auto* list = view_.findChild<QWidget*>(QString::fromUtf8(row.list.data(), static_cast<int>(row.list.size())));
      auto* label = view_.findChild<QWidget*>(QString::fromUtf8(row.label.data(), static_cast<int>(row.label.size())));
      ASSERT_TRUE(list && label) << row.list;
      EXPECT_EQ(label->isVisibleTo(&view_), list->isVisibleTo(&view_)) << row.list << " " << state;
    }
  };
  expectLabelsFollowLists("at first");
  // Each of these hides a list that has a row of its own.
  model_.Controls().Get<Choice>("POWER_ON_MODE").Select(0);
  model_.Controls().Get<Choice>("LED_ON_OFF_SW").Select(1);
  model_.Controls().Get<Choice>("TRANSMIT_MODE").Select(1);
  model_.Controls().Get<Choice>("AUTO_OFF_RX_SW").Select(1);
  expectLabelsFollowLists("hidden");
  model_.Controls().Get<Choice>("POWER_ON_MODE").Select(2);
  model_.Controls().Get<Choice>("LED_ON_OFF_SW").Select(0);
  model_.Controls().Get<Choice>("AUTO_OFF_RX_SW").Select(0);
  expectLabelsFollowLists("shown again");
}

TEST_P(WindowLayoutTest, EveryToolbarButtonWithACaptionHasAnIconAndFits) {
  Settle();
  auto* bar = view_.findChild<QToolBar*>("K9R_P1_Toolbar");
  ASSERT_NE(bar, nullptr);
  int buttons = 0;
  for (QToolButton* button : bar->findChildren<QToolButton*>()) {
    if (!button->isVisible() || !button->defaultAction() || button->defaultAction()->text().isEmpty()) continue;
    ++buttons;
    const std::string caption = button->defaultAction()->text().toStdString();
    EXPECT_FALSE(button->icon().isNull()) << caption;
    EXPECT_TRUE(bar->rect().contains(button->geometry())) << caption << " lies outside the toolbar";
    EXPECT_GE(button->width(), button->sizeHint().width()) << caption << " is clipped";
  }
  EXPECT_EQ(buttons, 12);
}

INSTANTIATE_TEST_SUITE_P(Layouts, WindowLayoutTest,
                         ::testing::Values(LayoutCase{"standard", nullptr, false, kToggle},
                                           LayoutCase{"six-pair", nullptr, true, kInching},
                                           LayoutCase{"english-standard", "ENG.ini", false, kInching},
                                           LayoutCase{"english-six-pair", "ENG.ini", true, kToggle},
                                           LayoutCase{"chinese-standard", "CHT.ini", false, kNormal},
                                           LayoutCase{"chinese-six-pair", "CHT.ini", true, kInching}),
                         [](const auto& instance) {
                           std::string name = instance.param.name;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
}  // namespace k9r
