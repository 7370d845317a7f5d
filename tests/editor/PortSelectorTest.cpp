// The port selector: what start-up shows, what a choice remembers, and
// that a choice releases the link's port.
#include "editor/PortSelector.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "UnitFixture.h"
#include "files/ProgramSettings.h"

namespace k9r {
namespace {

using k9r::testing::ReadBytes;
using k9r::testing::TempFolder;
using k9r::testing::WriteBytes;

class PortSelectorTest : public UnitTest {
 protected:
  void SetUp() override {
    window.SetSettings(ProgramSettings({folder_.Path(), folder_.Path()}));
    UnitTest::SetUp();
  }
  // A later start of the program with the same settings folder.
  std::unique_ptr<MainWindow> NextRun() {
    auto next = std::make_unique<MainWindow>(ui, clock);
    next->SetSettings(ProgramSettings({folder_.Path(), folder_.Path()}));
    next->startup();
    return next;
  }
  Choice& List() { return window.Ports().COM_PORT_SETUP(); }
  std::string SavedLine() { return ReadBytes(folder_ / "setupCOM.txt"); }

  TempFolder folder_;
};

TEST_F(PortSelectorTest, ListsComPortsFirstAndTheMachinesOtherPortsAfter) {
  window.Ports().AddPorts({"/dev/ttyS0", "/dev/ttyS3", "/dev/ttyUSB0", "/dev/ttyS20"});
  ASSERT_EQ(List().ListCount(), 18);
  EXPECT_EQ(List().Items()[0], "COM1");
  EXPECT_EQ(List().Items()[15], "COM16");
  EXPECT_EQ(List().Items()[16], "/dev/ttyUSB0");
  EXPECT_EQ(List().Items()[17], "/dev/ttyS20");
}

TEST_F(PortSelectorTest, AChoiceIsRememberedAndShownAtTheNextStart) {
  EXPECT_FALSE(std::filesystem::exists(folder_ / "setupCOM.txt")) << "start-up writes nothing";
  EXPECT_EQ(List().Text(), "COM1");
  EXPECT_EQ(window.Rw().zzz, 1);
  List().SelectText("COM4");
  EXPECT_EQ(window.Rw().zzz, 4);
  EXPECT_EQ(SavedLine(), "4\r\n");
  EXPECT_EQ(NextRun()->Ports().COM_PORT_SETUP().Text(), "COM4");
}

TEST_F(PortSelectorTest, ADevicePathIsRememberedByItsPath) {
  window.Ports().AddPorts({"/dev/ttyUSB0"});
  List().SelectText("/dev/ttyUSB0");
  EXPECT_EQ(SavedLine(), "/dev/ttyUSB0\r\n");
  const auto next = NextRun();
  EXPECT_EQ(next->Ports().COM_PORT_SETUP().Text(), "/dev/ttyUSB0");
  EXPECT_EQ(next->Rw().zzz, 17);
}

TEST_F(PortSelectorTest, ANumberBeyondTheListGoesToTheLinkWhileCom1Shows) {
  WriteBytes(folder_ / "setupCOM.txt", "20\r\n");
  const auto next = NextRun();
  EXPECT_EQ(next->Ports().COM_PORT_SETUP().Text(), "COM1");
  EXPECT_EQ(next->Rw().zzz, 20);
}

TEST_F(PortSelectorTest, APortForThisRunIsNotRemembered) {
  List().SelectText("COM2");
  window.Ports().ShowPortForThisRun("/dev/pts/7");
  EXPECT_EQ(List().Text(), "/dev/pts/7");
  EXPECT_EQ(SavedLine(), "2\r\n");
}

TEST_F(PortSelectorTest, AChoiceClosesTheOpenPortAndTheNextReadUsesTheNewOne) {
  port->Open("/dev/ttyS0", LineSettings{});
  List().SelectText("COM3");
  EXPECT_FALSE(port->IsOpen());
  Read();
  EXPECT_TRUE(engine->Frames().empty()) << "the unit sits on COM1";
  List().SelectText("COM1");
  Read();
  EXPECT_TRUE(window.Transfer().LastReadDecoded());
}

}  // namespace
}  // namespace k9r
