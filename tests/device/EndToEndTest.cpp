// The link through the real termios port against k9r-unit-sim on a
// pseudo-terminal, at line speed and in real time.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "core/SetupImage.h"
#include "device/RW.h"
#include "device/StandaloneLinkHost.h"
#include "device/TermiosSerialPort.h"
#include "editor/ScriptedUserInterface.h"

namespace k9r {
namespace {

// k9r-unit-sim as a child process; stopped (and its memory saved) at the end.
class UnitSimProcess {
 public:
  explicit UnitSimProcess(const std::string& memoryFile) {
    int out[2];
    if (::pipe(out) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(out[1], STDOUT_FILENO);
      ::close(out[0]);
      ::execl(K9R_UNIT_SIM, K9R_UNIT_SIM, "--memory", memoryFile.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(out[1]);
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n') terminal_ += c;
    ::close(out[0]);
  }
  ~UnitSimProcess() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
  const std::string& Terminal() const { return terminal_; }

 private:
  pid_t pid_ = -1;
  std::string terminal_;
};

ProductData DemoProductData() {
  DataFileSearch search;
  search.folders = {std::string(K9R_SOURCE_DIR) + "/data/demo"};
  return LoadProductData(search);
}

class EndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    memoryFile = (std::filesystem::temp_directory_path() / ("k9r-e2e-" + std::to_string(::getpid()) + ".txt")).string();
  }
  void TearDown() override { std::filesystem::remove(memoryFile); }

  std::string memoryFile;
};

TEST_F(EndToEndTest, ReadsTheSimulatedUnitThroughTheRealPort) {
  UnitSimProcess unit(memoryFile);
  ASSERT_FALSE(unit.Terminal().empty());
  ScriptedUserInterface ui;
  SteadyClock clock;
  StandaloneLinkHost host(ui, clock);
  host.portList = {unit.Terminal()};
  TermiosSerialPort port;
  RW rw(host, port, DemoProductData());
  rw.READ_DATA_Click();
  EXPECT_EQ(rw.SYNC_CONNECT, 1);
  EXPECT_EQ(rw.READ_MODTYPE_MODEL, "C5");
  EXPECT_EQ(host.UpperHalfText().substr(0, 8), "33550000");
  EXPECT_EQ(rw.EEPROM_1080_DATA, host.UpperHalfText());
}

TEST_F(EndToEndTest, AWriteIsReadBackByK9rInALaterRunOfTheUnit) {
  std::string image;
  for (int i = 0; i < 128; ++i) image += ByteText(255 - i);
  {
    UnitSimProcess unit(memoryFile);
    ScriptedUserInterface ui;
    SteadyClock clock;
    StandaloneLinkHost host(ui, clock);
    host.portList = {unit.Terminal()};
    for (int i = 0; i < 128; ++i) host.cells[static_cast<std::size_t>(128 + i)] = image.substr(2 * static_cast<std::size_t>(i), 2);
    TermiosSerialPort port;
    RW rw(host, port, DemoProductData());
    rw.WRITE_DATA_Click();
    ASSERT_EQ(rw.WRITEDATA_ERROR, 0) << rw.Text4;
  }
  UnitSimProcess unit(memoryFile);
  const std::string command = std::string("K9R_DATA_DIR=") + K9R_SOURCE_DIR + "/data/demo " + K9R_CLI +
                              " link read --port " + unit.Terminal();
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  std::array<char, 512> buffer;
  while (std::fgets(buffer.data(), buffer.size(), pipe)) output += buffer.data();
  EXPECT_EQ(::pclose(pipe), 0) << output;
  EXPECT_NE(output.find("1080  FF FE FD FC FB FA F9 F8 F7 F6 F5 F4 F3 F2 F1 F0"), std::string::npos) << output;
  EXPECT_NE(output.find("10F0  8F 8E 8D 8C 8B 8A 89 88 87 86 85 84 83 82 81 80"), std::string::npos) << output;
}

}  // namespace
}  // namespace k9r
