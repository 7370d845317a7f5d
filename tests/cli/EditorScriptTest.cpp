// The editor controls through the k9r binary, as a script user sees them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../support/RunK9r.h"

namespace k9r {
namespace {

using testing::RunK9r;

TEST(EditorScriptTest, SelectingListsChangesTheDumpedCells) {
  const auto run = RunK9r("script -",
                          "startup\n"
                          "select TRANSMIT_MODE \"Non-Continuous\"\n"
                          "select ems_times \"100\"\n"
                          "select CONTROL_FUNC_UD(7) 1\n"
                          "select TIME_ACCDELAY_DN_F1 \"2.0\"\n"
                          "click FUNC_MODE_SELECT(3)\n"
                          "dump\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dump = nlohmann::json::parse(run.out);
  const auto& cells = dump["cells"];
  const auto& controls = dump["controls"];

  EXPECT_EQ(cells["1092"], "88") << "continuous, auto-off and Power-Off bits cleared";
  EXPECT_EQ(controls["PASSIVE_ACT"]["text"], "Relay-Off");
  EXPECT_FALSE(controls["AUTO_OFF_TX_TIMES_BOX"]["visible"]);
  EXPECT_EQ(cells["1095"], "64");
  EXPECT_EQ(cells["10A6"], "FF");
  EXPECT_EQ(controls["CONTROL_FUNC_UD(6)"]["text"], "Bypass EMS");
  EXPECT_EQ(cells["10BD"], "7D");
  EXPECT_EQ(controls["TIME_ACCDELAY_DN(5)"]["text"], "2.0");
  EXPECT_EQ(dump["state"]["BUTTON_MODEL"], 3);
  EXPECT_TRUE(controls["SELECT_MODETYPE"]["visible"]);
  EXPECT_TRUE(controls["MODE20_BOX"]["enabled"]);
  EXPECT_FALSE(controls["MODE6_BOX"]["enabled"]);
  EXPECT_EQ(cells["1000"], "") << "the lower half stays empty";
}

TEST(EditorScriptTest, PairButtonTakesEnter) {
  const auto run = RunK9r("script -", "startup\nkey FUNC_MODE_SELECT(0) 13\n");
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST(EditorScriptTest, UnofferedModeCannotBeClicked) {
  const auto run = RunK9r("script -", "startup\nclick FUNC_MODE_SELECT(1)\nclick MODE6_BOX\n");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.err.find("MODE6_BOX is disabled"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace k9r
