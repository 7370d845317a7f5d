#include "editor/UnitInformation.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "editor/MainWindow.h"
#include "editor/ScriptedUserInterface.h"

namespace k9r {
namespace {

class UnitInformationTest : public ::testing::Test {
 protected:
  std::string Text(const char* name) { return window_.Controls().Get<TextField>(name).Text(); }
  void SetIdCells(const char* digits) {
    for (int i = 0; i < 8; ++i) window_.Image().SetCellText(0x80 + i, std::string(digits + 2 * i, 2));
  }

  ScriptedUserInterface ui_;
  VirtualClock clock_;
  MainWindow window_{ui_, clock_};
};

TEST_F(UnitInformationTest, IdCodeFromTheCells) {
  SetIdCells("3355000000000000");
  ShowIdCode(window_);
  EXPECT_EQ(Text("RC_ID_CODE"), "24000000");
  SetIdCells("FFFFFFFFFFFFFFFF");
  ShowIdCode(window_);
  EXPECT_EQ(Text("RC_ID_CODE"), "FFFFFFFF");
  EXPECT_TRUE(ui_.Records().empty());
}

TEST_F(UnitInformationTest, OneDigitCellReadsWithALeadingZero) {
  SetIdCells("3355000000000000");
  window_.Image().SetCellText(0x87, "F");
  ShowIdCode(window_);
  EXPECT_EQ(Text("RC_ID_CODE"), "24000001");
}

TEST_F(UnitInformationTest, BadCodeByteShowsTheErrorOncePerByte) {
  SetIdCells("3334000000c30000");
  ShowIdCode(window_);
  EXPECT_EQ(Text("RC_ID_CODE"), "2ERROR SERIAL-NUMBER000ERROR SERIAL-NUMBER00");
  ASSERT_EQ(ui_.Records().size(), 2u);
  EXPECT_EQ(ui_.Records()[0].text, "==ERROR SERIAL-NUMBER==");
  EXPECT_EQ(ui_.Records()[0].title, " K9R Message");
  EXPECT_EQ(ui_.Records()[0].icon, MessageIcon::Error);
  EXPECT_EQ(Text("SERIAL_NUMBER_TXT"), "ERROR SERIAL-NUMBER");
}

TEST_F(UnitInformationTest, SerialNumberFromTheUnitsCodeBytes) {
  ShowSerialNumber(window_, "33 55 00 0F 33 3C 55 5A");
  EXPECT_EQ(Text("SERIAL_NUMBER_TXT"), "24012345");
  ShowSerialNumber(window_, "33 55 F 0F 33 3C 55 5A");
  EXPECT_EQ(Text("SERIAL_NUMBER_TXT"), "24112345") << "one-digit bytes get a leading zero";
}

TEST_F(UnitInformationTest, SerialNumberWithABadByteKeepsTheErrorInFront) {
  ShowSerialNumber(window_, "33 55 12 0F 33 3C 55 5A");
  // The error replaces what was shown, then the display appends the error
  // digit and the rest of the number to it.
  EXPECT_EQ(Text("SERIAL_NUMBER_TXT"), "ERROR SERIAL-NUMBERERROR SERIAL-NUMBER12345");
  EXPECT_EQ(ui_.Records().size(), 1u);
}

TEST_F(UnitInformationTest, DatesAndMarking) {
  MarkUnitInformationFields(window_);
  ShowProductionDates(window_, "0C 1F 0C");
  EXPECT_EQ(Text("TX_DATE"), "12/31/2012");
  EXPECT_EQ(Text("RX_DATE"), "12/31/2012");
  EXPECT_EQ(window_.Controls().Get<TextField>("TX_DATE").BackColor(), 0xFFE0C0u);
  EXPECT_FALSE(window_.Controls().Get<TextField>("SERIAL_NUMBER_TXT").BackColor());
  EXPECT_EQ(window_.Controls().Get<Frame>("REMOTE_FUNC").Caption(), "R/C INFORMATION");
}

}  // namespace
}  // namespace k9r
