// The window's demo unit as ./run starts it: the simulated unit behind a
// pseudo-terminal, read and written through the real termios port by the
// window model, in real time (the unit answers at once, so that a busy
// machine does not cut its replies short).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "device/RW.h"
#include "device/TermiosSerialPort.h"
#include "editor/MainWindow.h"
#include "editor/PortSelector.h"
#include "editor/ScriptedUserInterface.h"
#include "editor/UnitTransfer.h"
#include "sim/DemoUnit.h"

namespace k9r {
namespace {

namespace fs = std::filesystem;

TEST(DemoUnitTest, TheDemoUnitIsReadAndWrittenLikeAUnitAndKeepsItsMemory) {
  const fs::path folder = fs::temp_directory_path() / ("k9r-demo-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  const std::string memoryFile = (folder / "demo-unit.txt").string();
  {
    sim::PtyDemoUnit unit(false);
    std::string error;
    ASSERT_TRUE(unit.Start(memoryFile, error)) << error;
    TermiosSerialPort port;
    ScriptedUserInterface ui;
    SteadyClock clock;
    MainWindow window(ui, clock);
    window.startup();
    window.AttachSerialPort(port, sim::DemoProductData());
    window.Ports().ShowPortForThisRun(unit.TerminalPath());

    window.Transfer().READ_SETUP_DATA_Click();
    ASSERT_TRUE(window.Transfer().LastReadDecoded()) << (ui.Records().empty() ? "" : ui.Records().back().text);
    EXPECT_EQ(window.Controls().Get<TextField>("SERIAL_NUMBER_TXT").Text(), "24000123");

    window.Controls().Get<Choice>("ems_times").SelectText("20");
    ui.QueueAnswer({ScriptedUserInterface::Answer::Kind::Yes, ""});
    window.Transfer().WRITE_SETUP_DATA_Click();
    EXPECT_EQ(window.Rw().WRITEDATA_ERROR, 0) << window.Rw().Text4;
  }
  std::string error;
  const auto kept = sim::LoadDemoMemory(memoryFile, error);
  ASSERT_TRUE(kept) << error;
  EXPECT_EQ(kept->At(0x1095), 20) << "the next start of the demo unit has the written settings";
  fs::remove_all(folder);
}

}  // namespace
}  // namespace k9r
