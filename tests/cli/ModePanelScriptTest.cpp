// Mode presets through the k9r binary: pair buttons, mode boxes and EXIT,
// as a script user drives the mode panel.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "../support/RunK9r.h"

namespace k9r {
namespace {

using testing::RunK9r;

TEST(ModePanelScriptTest, ModeBoxesApplyPresetsAndTheDumpShowsThem) {
  const auto run = RunK9r("script -",
                          "startup\n"
                          "click FUNC_MODE_SELECT(3)\n"
                          "click MODE20_BOX\n"
                          "select CONTROL_FUNC_UD(8) \"Bypass EMS\"\n"
                          "click FUNC_MODE_SELECT(0)\n"
                          "click MODE10_BOX\n"
                          "click FUNC_MODE_SELECT(1)\n"
                          "click EXIT_SELECT_MODE\n"
                          "dump\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto dump = nlohmann::json::parse(run.out);
  const auto& cells = dump["cells"];
  const auto& controls = dump["controls"];

  EXPECT_EQ(cells["10A6"], "26");
  EXPECT_EQ(cells["10A7"], "40");
  EXPECT_EQ(cells["10A8"], "92");
  EXPECT_EQ(cells["10A9"], "00");
  EXPECT_EQ(controls["MODELTYPE_NO(3)"]["text"], "Mode 20");
  EXPECT_EQ(controls["MODELTYPE_NO(4)"]["text"], "Mode 20");
  EXPECT_EQ(controls["UP_FUNC(3)"]["text"], "Group");
  EXPECT_FALSE(controls["CONTROL_FUNC_UD(9)"]["visible"]);

  EXPECT_EQ(cells["10A0"], "8C");
  EXPECT_EQ(cells["10A1"], "01");
  EXPECT_EQ(controls["MODELTYPE_NO(0)"]["text"], "Mode 10");
  EXPECT_EQ(controls["CONTROL_FUNC_UD(1)"]["text"], "Bypass EMS");

  EXPECT_FALSE(controls["SELECT_MODETYPE"]["visible"]);
  EXPECT_EQ(dump["state"]["BUTTON_MODEL"], 1);
  EXPECT_EQ(dump["state"]["READ_MODE"], 1);
  EXPECT_EQ(cells["10A2"], "7F") << "EXIT applies nothing";
}

}  // namespace
}  // namespace k9r
