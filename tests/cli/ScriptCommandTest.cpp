// Runs the k9r binary as a user would, with a script on standard input.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "../support/RunK9r.h"

namespace {

using k9r::testing::RunK9r;
using k9r::testing::RunResult;

TEST(ScriptCommandTest, TypesClicksAnswersAndDumps) {
  const RunResult run = RunK9r("script -", R"(# a technician fixes two bytes by hand
startup
cell 1090 "8"
setcells 10A0 4C08
answer "b7"
click SETUP_DATA_TXTBOX(145)
click SETUP_DATA_TXTBOX(146)   # nothing queued: cancelled
answer no
click toolbar:Exit
dump
)");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dump = nlohmann::json::parse(run.out);
  EXPECT_EQ(dump["cells"]["1090"], "8");
  EXPECT_EQ(dump["cells"]["10A0"], "4C");
  EXPECT_EQ(dump["cells"]["10A1"], "08");
  EXPECT_EQ(dump["cells"]["1091"], "B7");
  EXPECT_EQ(dump["cells"]["1094"], "") << "no default fills it";
  EXPECT_EQ(dump["controls"]["SETUP_DATA_LABEL(145)"]["caption"], "1091");
  EXPECT_EQ(dump["controls"]["SSTab1"]["kind"], "tab");
  EXPECT_EQ(dump["controls"]["mnuexit"]["caption"], "Exit");
  EXPECT_EQ(dump["controls"]["ProgressBar1"], (nlohmann::json{{"kind", "progress"}, {"value", 0}}));
  EXPECT_EQ(dump["state"]["USER_MODE"], 1);

  const auto& messages = dump["messages"];
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0]["kind"], "input");
  EXPECT_EQ(messages[0]["answer"], "b7");
  EXPECT_EQ(messages[1]["answer"], "cancel");
  EXPECT_EQ(messages[1]["unanswered"], true);
  EXPECT_EQ(messages[2]["text"], "Are you sure to exit program?");
  EXPECT_EQ(messages[2]["icon"], "question");
  EXPECT_EQ(messages[2]["buttons"], "yesno");
  EXPECT_EQ(messages[2]["answer"], "no");
  EXPECT_EQ(dump["ended"], false);
}

TEST(ScriptCommandTest, BadLinesStopWithStatusTwoNamingTheLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"startup\nclick NO_SUCH_CONTROL\n", "script line 2: no control named NO_SUCH_CONTROL"},
      {"select SSTab1\n", "script line 1: usage: select NAME INDEX"},
      {"cell 10G0 \"12\"\n", "script line 1: \"10G0\" is not a cell address"},
      {"startup\n\n# fine\nfrobnicate\n", "script line 4: unknown action \"frobnicate\""},
      {"answer \"open\n", "script line 1: a quoted text is not closed"},
      {"startup\nselect SSTab1 4\n", "script line 2: tab 4 is closed"},
  };
  for (const auto& [script, error] : cases) {
    const RunResult run = RunK9r("script", script);
    EXPECT_EQ(run.status, 2) << script;
    EXPECT_NE(run.err.find(error), std::string::npos) << run.err;
  }
}

TEST(ScriptCommandTest, SavesAndLoadsSetupFilesWithoutDialogs) {
  const std::string folder = ::testing::TempDir() + "k9r-script-setup-" + std::to_string(::getpid());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::string script = "startup\ntype USER_COMPANY \"Kranbau Nord\"\ntype DISTRIBUTOR_CH \"1234\"\n";
  // The ID 24000000 makes the image one the load's decoding takes.
  script += "setcells 1080 3355" + std::string(252, 'F') + "\ncell 10A0 \"4C\"\n";
  script += "save \"" + folder + "/crane.K9S\"\n";
  const RunResult saved = RunK9r("script -", script + "dump\n");
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_EQ(nlohmann::json::parse(saved.out)["messages"].back()["text"],
            "Saving is completed, to continue the program ..");

  const RunResult loaded = RunK9r("script -", "startup\nload \"" + folder + "/crane.K9S\"\ndump\n");
  ASSERT_EQ(loaded.status, 0) << loaded.err;
  const auto dump = nlohmann::json::parse(loaded.out);
  EXPECT_EQ(dump["controls"]["USER_COMPANY"]["text"], "Kranbau Nord");
  EXPECT_EQ(dump["controls"]["DISTRIBUTOR_CH"]["text"], "123");
  EXPECT_EQ(dump["cells"]["10A0"], "4C");
  EXPECT_EQ(dump["cells"]["10FF"], "FF");
  EXPECT_EQ(dump["messages"].back()["text"], "Reading is successfully..");

  const RunResult missing = RunK9r("script -", "load \"" + folder + "/none.K9S\"\ndump\n");
  EXPECT_EQ(nlohmann::json::parse(missing.out)["messages"].back()["text"], "Reading is failed..");
  EXPECT_NE(RunK9r("script -", "save\n").err.find("usage: save \"PATH\""), std::string::npos);
}

TEST(ScriptCommandTest, SettingsFolderAndCodePageOptions) {
  const std::string folder = ::testing::TempDir() + "k9r-script-settings-" + std::to_string(::getpid());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/setupLANG.txt") << K9R_SOURCE_DIR "/data/CHT.ini\r\n";
  std::ofstream(folder + "/setupCOM.txt") << "4\r\n";
  const RunResult run = RunK9r("script - --settings " + folder + " --codepage BIG5", "startup\ndump\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dump = nlohmann::json::parse(run.out);
  EXPECT_EQ(dump["controls"]["mnuload"]["caption"], "\u958b\u555f");
  EXPECT_EQ(dump["state"]["LANGUAGE_file_path"], K9R_SOURCE_DIR "/data/CHT.ini");

  const RunResult unknown = RunK9r("script - --codepage KLINGON", "startup\n");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("unknown code page KLINGON"), std::string::npos) << unknown.err;
}

TEST(ScriptCommandTest, EndedProgramTakesOnlyDump) {
  const RunResult run = RunK9r("script -", "screen 640 480\nstartup\ndump\nclick mmuVer\n");
  EXPECT_EQ(run.status, 2);
  const auto dump = nlohmann::json::parse(run.out);
  EXPECT_EQ(dump["ended"], true);
  EXPECT_NE(run.err.find("script line 4: the program has ended"), std::string::npos) << run.err;
}

}  // namespace
