#include "editor/StartF1Keys.h"

#include <gtest/gtest.h>

#include "editor/PairEditing.h"
#include "tests/editor/EditorFixture.h"

namespace k9r {
namespace {

class StartF1KeysTest : public EditorTest {
 protected:
  StartF1Keys& Keys() { return Window().Keys(); }
  int Byte(int address) { return Window().Image().ReadImageByte(address); }
};

TEST_F(StartF1KeysTest, ToggleSetsTheF1BitsAndClearsTheBypassBit) {
  Window().Image().WriteImageByte(0x10AA, 0x80);
  Keys().F1_MODE().SelectText("Toggle");
  EXPECT_EQ(Byte(0x10AA), 0x22);
  EXPECT_FALSE(Keys().ACCDELAY_DOWN_F1().Visible());
  EXPECT_TRUE(Keys().CONTROL_FUNC_F1().Visible());
  EXPECT_EQ(Keys().CONTROL_FUNC_F1().Text(), "Control by EMS");

  Window().Image().WriteImageByte(0x10AA, 0xFF);
  Keys().F1_MODE().SelectText("Normal");
  EXPECT_EQ(Byte(0x10AA), 0x5D);
  EXPECT_TRUE(Keys().ACCDELAY_DOWN_F1().Visible());
  EXPECT_FALSE(Keys().CONTROL_FUNC_F1().Visible());
}

TEST_F(StartF1KeysTest, SixPairUnitKeepsTheF1EmergencyStopListHidden) {
  Window().Pairs().PairFiveFrame().SetVisible(true);
  Window().Image().WriteImageByte(0x10AA, 0x80);
  Keys().F1_MODE().SelectText("Toggle");
  EXPECT_EQ(Byte(0x10AA), 0x22);
  EXPECT_FALSE(Keys().CONTROL_FUNC_F1().Visible());
}

TEST_F(StartF1KeysTest, F1EmergencyStopIsPairFivesBypassBit) {
  Keys().F1_MODE().SelectText("Toggle");
  Keys().CONTROL_FUNC_F1().SelectText("Bypass EMS");
  EXPECT_EQ(Window().Pairs().CONTROL_FUNC_UD(11).Index(), 1);
  EXPECT_EQ(Window().Pairs().CONTROL_FUNC_UD(10).Index(), 1);
  EXPECT_EQ(Byte(0x10AA), 0xFF);
  Keys().CONTROL_FUNC_F1().SelectText("Control by EMS");
  EXPECT_EQ(Byte(0x10AA), 0x7F);
}

TEST_F(StartF1KeysTest, StartKeyEmergencyStopWritesItsBit) {
  Window().Image().WriteImageByte(0x1090, 0x01);
  Keys().R0_KEY_EMS().SelectText("Bypass EMS");
  EXPECT_EQ(Byte(0x1090), 0x81);
  Keys().R0_KEY_EMS().SelectText("Control by EMS");
  EXPECT_EQ(Byte(0x1090), 0x01);
}

struct F1DecodeCase {
  int stored;  // bits 0x80, 0x20, 0x02 are the F1 key's; the rest pair 5's
  const char* mode;
  const char* ems;
};

class DecodeF1KeyTest : public StartF1KeysTest, public ::testing::WithParamInterface<F1DecodeCase> {};

TEST_P(DecodeF1KeyTest, ShowsTheKeyOfItsBits) {
  const F1DecodeCase& c = GetParam();
  for (int otherBits : {0x00, 0x5D}) {
    // Start from the opposite choice so that both lists must change.
    Keys().F1_MODE().SelectText(std::string_view(c.mode) == "Normal" ? "Toggle" : "Normal");
    Keys().CONTROL_FUNC_F1().SelectText(std::string_view(c.ems) == "Control by EMS" ? "Bypass EMS" : "Control by EMS");
    Window().Image().WriteImageByte(0x10AA, c.stored | otherBits);
    Keys().DecodeF1Key();
    EXPECT_EQ(Keys().F1_MODE().Text(), c.mode) << std::hex << (c.stored | otherBits);
    EXPECT_EQ(Keys().CONTROL_FUNC_F1().Text(), c.ems) << std::hex << (c.stored | otherBits);
  }
}

INSTANTIATE_TEST_SUITE_P(
    KeyTable, DecodeF1KeyTest,
    ::testing::Values(F1DecodeCase{0x00, "Normal", "Control by EMS"}, F1DecodeCase{0x20, "Normal", "Control by EMS"},
                      F1DecodeCase{0xA0, "Normal", "Bypass EMS"}, F1DecodeCase{0x82, "Toggle", "Bypass EMS"},
                      F1DecodeCase{0x02, "Toggle", "Control by EMS"}, F1DecodeCase{0x22, "Toggle", "Control by EMS"},
                      F1DecodeCase{0xA2, "Toggle", "Bypass EMS"}));

TEST_F(StartF1KeysTest, DecodedToggleWithBypassStoresItsBitsAgain) {
  Window().Image().WriteImageByte(0x10AA, 0xA2);
  Keys().DecodeF1Key();
  EXPECT_EQ(Byte(0x10AA), 0xA2);
}

TEST_F(StartF1KeysTest, BypassWithoutF1BitsLeavesTheF1Lists) {
  Keys().F1_MODE().SelectText("Toggle");
  Keys().CONTROL_FUNC_F1().SelectText("Bypass EMS");
  for (int stored : {0x80, 0xDD}) {
    Window().Image().WriteImageByte(0x10AA, stored);
    Keys().DecodeF1Key();
    EXPECT_EQ(Keys().F1_MODE().Text(), "Toggle");
    EXPECT_EQ(Keys().CONTROL_FUNC_F1().Text(), "Bypass EMS");
    EXPECT_EQ(Byte(0x10AA), stored);
  }
}

TEST_F(StartF1KeysTest, SixPairUnitOnlyHidesTheF1Controls) {
  Window().Controls().Get<TextField>("RC_MODETYPES").SetText(StartF1Keys::kSixPairModelText);
  Window().Image().WriteImageByte(0x10AA, 0xA2);
  Keys().DecodeF1Key();
  EXPECT_FALSE(Keys().F1_MODE().Visible());
  EXPECT_FALSE(Keys().ACCDELAY_DOWN_F1().Visible());
  EXPECT_FALSE(Keys().CONTROL_FUNC_F1().Visible());
  EXPECT_EQ(Keys().F1_MODE().Text(), "Normal");
  EXPECT_EQ(Byte(0x10AA), 0xA2);
}

}  // namespace
}  // namespace k9r
