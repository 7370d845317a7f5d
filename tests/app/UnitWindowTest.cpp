// The window with a unit behind it: the port list, the READ/WRITE buttons,
// the locked window during a device operation, and the unit's pictures.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "app/MainWindowView.h"
#include "core/Clock.h"
#include "device/RW.h"
#include "editor/MainWindow.h"
#include "editor/PortSelector.h"
#include "editor/ScriptedUserInterface.h"
#include "sim/DemoUnit.h"

namespace k9r {
namespace {

class UnitWindowTest : public ::testing::Test {
 protected:
  UnitWindowTest() : model_(ui_, clock_), view_(model_) {
    model_.startup();
    view_.show();
  }
  void ConnectDemoUnit(bool sixPair) {
    unit_ = std::make_unique<sim::InProcessDemoUnit>(clock_, sim::FreshDemoMemory(sixPair));
    model_.AttachSerialPort(unit_->Port(), sim::DemoProductData());
    model_.Ports().ShowPortForThisRun(sim::InProcessDemoUnit::kPortName);
  }
  template <class Widget>
  Widget* Find(const char* name) {
    auto* widget = view_.findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

  ScriptedUserInterface ui_;
  VirtualClock clock_;
  std::unique_ptr<sim::InProcessDemoUnit> unit_;
  MainWindow model_;
  MainWindowView view_;
};

TEST_F(UnitWindowTest, APortChosenInTheListReachesTheLink) {
  QComboBox* ports = Find<QComboBox>("COM_PORT_SETUP");
  ASSERT_GE(ports->count(), 16);
  EXPECT_EQ(ports->itemText(15), "COM16");
  ports->activated(2);
  EXPECT_EQ(model_.Rw().zzz, 3);
  EXPECT_FALSE(Find<QLabel>("LINK_NOTE")->isVisible());
  model_.Ports().SetNote("DEMO UNIT");
  EXPECT_TRUE(Find<QLabel>("LINK_NOTE")->isVisible());
}

TEST_F(UnitWindowTest, ReadFillsTheUnitInformationAndSwitchesThePicture) {
  ConnectDemoUnit(true);
  Click("READ_SETUP_DATA");
  EXPECT_EQ(Find<QLineEdit>("RC_ID_CODE")->text(), "24000000");
  EXPECT_EQ(Find<QLineEdit>("SERIAL_NUMBER_TXT")->text(), "24000123");
  EXPECT_EQ(Find<QLineEdit>("RC_MODETYPES")->text(), " K9R-16A/B");
  EXPECT_EQ(Find<QLineEdit>("RC_ID_CODE")->palette().color(QPalette::Base), QColor(255, 224, 192));
  EXPECT_FALSE(Find<QWidget>("Picture1")->isVisible());
  EXPECT_TRUE(Find<QWidget>("Picture2")->isVisible());
  EXPECT_EQ(Find<QProgressBar>("ProgressBar1")->value(), 100);
}

TEST_F(UnitWindowTest, TheWindowIsLockedWhileTheUnitIsWrittenAndUnlockedAfter) {
  ConnectDemoUnit(false);
  Click("READ_SETUP_DATA");
  int repliesSeenLocked = 0;
  int repliesSeenUnlocked = 0;
  // Every reply of the unit during the write looks at the window.
  auto* fakePort = dynamic_cast<sim::FakeSerialPort*>(&unit_->Port());
  ASSERT_NE(fakePort, nullptr);
  fakePort->SetReplyFilter([&](const sim::LoaderEngine&, Bytes reply) {
    const bool locked = !Find<QPushButton>("READ_SETUP_DATA")->isEnabled() &&
                        !Find<QComboBox>("COM_PORT_SETUP")->isEnabled() && ui_.Busy();
    (locked ? repliesSeenLocked : repliesSeenUnlocked)++;
    return reply;
  });
  ui_.QueueAnswer({ScriptedUserInterface::Answer::Kind::Yes, ""});
  Click("WRITE_SETUP_DATA");
  EXPECT_GT(repliesSeenLocked, 20);
  EXPECT_EQ(repliesSeenUnlocked, 0);
  EXPECT_TRUE(Find<QPushButton>("READ_SETUP_DATA")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("WRITE_SETUP_DATA")->isEnabled());
  EXPECT_FALSE(ui_.Busy());
  EXPECT_EQ(ui_.Records().back().text, "資料燒錄完成!!! ");
}

}  // namespace
}  // namespace k9r
