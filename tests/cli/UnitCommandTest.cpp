// k9r read, k9r write and the script actions demo, decode and port, run as
// a user runs them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "../support/RunK9r.h"

namespace {

using k9r::testing::RunK9r;
using k9r::testing::RunResult;
namespace fs = std::filesystem;

// The demo unit keeps its memory in the user's data folder: a folder of
// this test's own.
class UnitCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dataHome_ = fs::path(::testing::TempDir()) / ("k9r-unit-command-" + std::to_string(::getpid()));
    fs::remove_all(dataHome_);
    ::setenv("XDG_DATA_HOME", dataHome_.c_str(), 1);
  }
  void TearDown() override { fs::remove_all(dataHome_); }

  std::string ImageFile(const std::string& text) {
    const fs::path path = dataHome_ / ("image" + std::to_string(++imageFiles_) + ".txt");
    fs::create_directories(dataHome_);
    std::ofstream(path) << text;
    return path.string();
  }
  static std::string ImageLines(const std::string& readOutput) {
    std::string lines;
    for (std::size_t at = readOutput.find("\n10"); at != std::string::npos; at = readOutput.find("\n10", at + 1)) {
      lines += readOutput.substr(at + 1, readOutput.find('\n', at + 1) - at);
    }
    return lines;
  }

  fs::path dataHome_;
  int imageFiles_ = 0;
};

TEST_F(UnitCommandTest, ReadDemoJsonPrintsTheDecodedUnit) {
  const RunResult run = RunK9r("read --demo --json", "");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dump = nlohmann::json::parse(run.out);
  EXPECT_EQ(dump["controls"]["RC_ID_CODE"]["text"], "24000000");
  EXPECT_EQ(dump["controls"]["SERIAL_NUMBER_TXT"]["text"], "24000123");
  EXPECT_EQ(dump["controls"]["RC_MODETYPES"]["text"], " K9R");
  EXPECT_EQ(dump["controls"]["COM_PORT_SETUP"]["text"], "DEMO UNIT");
  EXPECT_EQ(dump["cells"]["1080"], "33");
  EXPECT_EQ(dump["ended"], false);
}

TEST_F(UnitCommandTest, AWriteIsReadBackInALaterRun) {
  const RunResult first = RunK9r("read --demo", "");
  ASSERT_EQ(first.status, 0) << first.err;
  std::string image = ImageLines(first.out);
  ASSERT_EQ(image.substr(0, 5), "1080:") << first.out;
  const std::size_t row = image.find("10D0:");
  image.replace(row + 6, 2, "A5");
  const RunResult write = RunK9r("write --demo --yes --image " + ImageFile(image), "");
  EXPECT_EQ(write.status, 0) << write.out << write.err;
  const RunResult again = RunK9r("read --demo", "");
  EXPECT_NE(again.out.find("10D0: A5 00"), std::string::npos) << again.out;
}

TEST_F(UnitCommandTest, AWriteNotConfirmedOnTheTerminalWritesNothing) {
  const std::string image = ImageLines(RunK9r("read --demo", "").out);
  const RunResult write = RunK9r("write --demo --image " + ImageFile("# changed\n" + image.substr(0, 6) + "55" +
                                                                     image.substr(8)),
                                 "n\n");
  EXPECT_EQ(write.status, 1);
  EXPECT_NE(write.err.find("Do you want to Write DATA to R/C ???`"), std::string::npos) << write.err;
  EXPECT_NE(RunK9r("read --demo", "").out.find("1080: 33 55"), std::string::npos);
}

TEST_F(UnitCommandTest, BadArgumentsAndImagesStopWithStatusTwo) {
  const std::pair<std::string, const char*> cases[] = {
      {"read", "give either --port PORT or --demo"},
      {"read --demo --port COM1", "give either --port PORT or --demo"},
      {"write --demo", "--image FILE is needed"},
      {"write --demo --image " + ImageFile("1080: 33 55"), "the image holds 4 hex digits"},
      {"write --demo --image " + ImageFile("1090: 33 55"), "line 1: the address \"1090\" should be 1080"},
      {"write --demo --image " + ImageFile("33 5G"), "line 1: 'G' is not a hex digit"},
  };
  for (const auto& [arguments, error] : cases) {
    const RunResult run = RunK9r(arguments, "");
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_NE(run.err.find(error), std::string::npos) << arguments << ": " << run.err;
  }
}

TEST(UnitScriptTest, DemoReadChangeWriteAndDecode) {
  const RunResult run = RunK9r("script -", R"(startup
demo six-pair
click READ_SETUP_DATA
cell 10D0 "A5"
answer yes
click WRITE_SETUP_DATA
setcells 10D0 00
click READ_SETUP_DATA
cell 1080 "00"
decode
dump
)");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dump = nlohmann::json::parse(run.out);
  EXPECT_EQ(dump["cells"]["10D0"], "A5") << "written, then read back";
  EXPECT_EQ(dump["controls"]["RC_MODETYPES"]["text"], " K9R-16A/B");
  EXPECT_EQ(dump["controls"]["RC_ID_CODE"]["text"], "04000000") << "decode takes the cells as they stand";
  EXPECT_EQ(dump["controls"]["Picture2"]["visible"], true);
}

TEST(UnitScriptTest, AnErasedDemoUnitIsRepaired) {
  const RunResult run = RunK9r("script -", "startup\ndemo erased\nclick READ_SETUP_DATA\ndump\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dump = nlohmann::json::parse(run.out);
  EXPECT_NE(run.out.find("Warning! Default System Setting Restored!"), std::string::npos);
  EXPECT_EQ(dump["cells"]["1080"], "33");
}

TEST(UnitScriptTest, APortThatIsNotThereGivesTheConnectionMessage) {
  const RunResult run = RunK9r("script -", "startup\nport /dev/k9r-no-such-port\nclick READ_SETUP_DATA\ndump\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dump = nlohmann::json::parse(run.out);
  EXPECT_EQ(dump["controls"]["COM_PORT_SETUP"]["text"], "/dev/k9r-no-such-port");
  EXPECT_NE(run.out.find("Connection error, please check the connection??"), std::string::npos) << run.out;
  EXPECT_EQ(dump["ended"], false);
}

}  // namespace
