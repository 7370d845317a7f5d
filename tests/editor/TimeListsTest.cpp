#include "editor/TimeLists.h"

#include <gtest/gtest.h>

#include <optional>

#include "editor/SpecialFunctions.h"
#include "tests/editor/EditorFixture.h"

namespace k9r {
namespace {

class TimeListsTest : public EditorTest {
 protected:
  TimeLists& Times() { return Window().Times(); }
};

struct EncoderCase {
  const char* text;
  const char* stored;  // nullptr: nothing is written
};

class SettimesTest : public TimeListsTest, public ::testing::WithParamInterface<EncoderCase> {};

TEST_P(SettimesTest, WritesTheByteOfItsText) {
  const EncoderCase& c = GetParam();
  SetCell(0x10AC, "AA");
  Times().settimes(c.text, 0x10AC);
  EXPECT_EQ(Cell(0x10AC), c.stored ? c.stored : "AA");
}

INSTANTIATE_TEST_SUITE_P(
    EncoderTable, SettimesTest,
    ::testing::Values(EncoderCase{"Not-Execute", "01"}, EncoderCase{"0.0", "01"}, EncoderCase{"0.05", "03"},
                      EncoderCase{"0.1", "06"}, EncoderCase{"0.2", "0C"}, EncoderCase{"0.3", "12"},
                      EncoderCase{"0.4", "19"}, EncoderCase{"0.5", "1F"}, EncoderCase{"0.6", "25"},
                      EncoderCase{"0.7", "2B"}, EncoderCase{"0.8", "32"}, EncoderCase{"0.9", "38"},
                      EncoderCase{"1.0", "3E"}, EncoderCase{"1.5", "5D"}, EncoderCase{"2.0", "7D"},
                      EncoderCase{"3.0", "BB"}, EncoderCase{"4.0", "FA"}, EncoderCase{"Continue", "00"},
                      // Texts outside the table write nothing.
                      EncoderCase{"0.30", nullptr}, EncoderCase{"continue", nullptr}, EncoderCase{"", nullptr},
                      EncoderCase{"5.0", nullptr}));

// One stored text and the item each decoder family shows for it; nullopt
// means the family leaves its list as it was.
struct DecoderCase {
  const char* stored;
  const char* delay;
  std::optional<const char*> inching;
  std::optional<const char*> passiveEms;
};

class TimeDecoderTest : public TimeListsTest, public ::testing::WithParamInterface<DecoderCase> {};

TEST_P(TimeDecoderTest, DelayDecoderShowsItsItem) {
  const DecoderCase& c = GetParam();
  // Start from another item, so that the decoder has to change the list.
  const char* start = std::string_view(c.delay) == "4.0" ? "3.0" : "4.0";
  for (int pair : {0, 5}) {
    Times().INTL_DelayTime_UP(pair).SelectText(start);
    Times().TIME_ACCDELAY_UP(pair).SelectText(start);
    Times().TIME_ACCDELAY_DN(pair).SelectText(start);
    Times().Show_DELAYTIME(pair, c.stored);
    Times().Show_ACCDELAY(pair, c.stored, 0);
    Times().Show_ACCDELAY(pair, c.stored, 1);
    EXPECT_EQ(Times().INTL_DelayTime_UP(pair).Text(), c.delay) << "pair " << pair;
    EXPECT_EQ(Times().TIME_ACCDELAY_UP(pair).Text(), c.delay) << "pair " << pair;
    EXPECT_EQ(Times().TIME_ACCDELAY_DN(pair).Text(), c.delay) << "pair " << pair;
  }
}

TEST_P(TimeDecoderTest, InchingDecoderShowsItsItemOrLeavesTheList) {
  const DecoderCase& c = GetParam();
  for (const char* before : {"0.05", "0.8"}) {
    Times().TIME_INCHING().SelectText(before);
    Times().Show_INCHTIME(0, c.stored);
    EXPECT_EQ(Times().TIME_INCHING().Text(), c.inching.value_or(before)) << "list showed " << before;
  }
}

TEST_P(TimeDecoderTest, PassiveEmsDecoderShowsItsItemOrLeavesTheList) {
  const DecoderCase& c = GetParam();
  for (const char* before : {"0.5", "3.0"}) {
    Times().PASSIVE_EMS_time().SelectText(before);
    Times().Show_PASS_EMS_TIME(0, c.stored);
    // "1.5" is decoded but not offered by the list: the list keeps its item.
    const bool offered = c.passiveEms && std::string_view(*c.passiveEms) != "1.5";
    EXPECT_EQ(Times().PASSIVE_EMS_time().Text(), offered ? *c.passiveEms : before) << "list showed " << before;
  }
}

constexpr auto kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    DecoderColumns, TimeDecoderTest,
    ::testing::Values(DecoderCase{"01", "0.0", kNone, kNone}, DecoderCase{"03", "0.0", "0.05", kNone},
                      DecoderCase{"06", "0.0", "0.1", kNone}, DecoderCase{"0C", "0.0", "0.2", kNone},
                      DecoderCase{"0D", "0.3", kNone, kNone}, DecoderCase{"12", "0.3", "0.3", kNone},
                      DecoderCase{"19", "0.0", "0.4", kNone}, DecoderCase{"1F", "0.5", "0.5", "0.5"},
                      DecoderCase{"20", "0.0", kNone, "0.5"}, DecoderCase{"25", "0.0", "0.6", "0.6"},
                      DecoderCase{"26", "0.0", kNone, "0.6"}, DecoderCase{"2B", "0.0", kNone, "0.7"},
                      DecoderCase{"2C", "0.0", kNone, "0.7"}, DecoderCase{"32", "0.0", "0.8", "0.8"},
                      DecoderCase{"33", "0.0", kNone, "0.8"}, DecoderCase{"38", "0.0", kNone, "0.9"},
                      DecoderCase{"39", "0.0", kNone, "0.9"}, DecoderCase{"3E", "1.0", kNone, "1.0"},
                      DecoderCase{"3F", "0.0", kNone, "1.0"}, DecoderCase{"5D", "1.5", kNone, "1.5"},
                      DecoderCase{"7D", "2.0", kNone, "2.0"}, DecoderCase{"BB", "3.0", kNone, "3.0"},
                      DecoderCase{"FA", "4.0", kNone, kNone},
                      // Unknown texts, lower case and one-digit texts included.
                      DecoderCase{"00", "0.0", kNone, kNone}, DecoderCase{"FF", "0.0", kNone, kNone},
                      DecoderCase{"0d", "0.0", kNone, kNone}, DecoderCase{"1", "0.0", kNone, kNone},
                      DecoderCase{"", "0.0", kNone, kNone}));

TEST_F(TimeListsTest, DecodedByteIsRewrittenOnlyWhenTheShownItemChanges) {
  SetCell(0x10AC, "0D");
  Times().Show_DELAYTIME(0, "0D");  // list showed "0.0"
  EXPECT_EQ(Times().INTL_DelayTime_UP(0).Text(), "0.3");
  EXPECT_EQ(Cell(0x10AC), "12");

  SetCell(0x10AC, "0D");
  Times().Show_DELAYTIME(0, "0D");  // list already shows "0.3"
  EXPECT_EQ(Cell(0x10AC), "0D");

  Times().INTL_DelayTime_UP(0).SelectText("1.0");
  SetCell(0x10AC, "19");
  Times().Show_DELAYTIME(0, "19");  // known to the inching decoder only
  EXPECT_EQ(Times().INTL_DelayTime_UP(0).Text(), "0.0");
  EXPECT_EQ(Cell(0x10AC), "01");
}

TEST_F(TimeListsTest, AccelerationDecoderWritesTheKeysOwnByte) {
  SetCell(0x10B6, "7D");
  SetCell(0x10B7, "BB");
  Times().Show_ACCDELAY(2, "7D", 0);
  Times().Show_ACCDELAY(2, "BB", 1);
  EXPECT_EQ(Times().TIME_ACCDELAY_UP(2).Text(), "2.0");
  EXPECT_EQ(Times().TIME_ACCDELAY_DN(2).Text(), "3.0");
  EXPECT_EQ(Cell(0x10B6), "7D");
  EXPECT_EQ(Cell(0x10B7), "BB");
  EXPECT_EQ(Cell(0x10B8), "01") << "pair 3 is untouched";
}

TEST_F(TimeListsTest, PassiveEmsRewritesAKnownByteInCanonicalForm) {
  Times().PASSIVE_EMS_time().SelectText("1.0");
  SetCell(0x10BF, "20");
  Times().Show_PASS_EMS_TIME(0, "20");
  EXPECT_EQ(Times().PASSIVE_EMS_time().Text(), "0.5");
  EXPECT_EQ(Cell(0x10BF), "1F");

  SetCell(0x10BF, "FA");
  Times().Show_PASS_EMS_TIME(0, "FA");
  EXPECT_EQ(Times().PASSIVE_EMS_time().Text(), "0.5");
  EXPECT_EQ(Cell(0x10BF), "FA");
}

TEST_F(TimeListsTest, PassiveEmsOneAndAHalfSecondsKeepsTheUnitsByte) {
  Times().PASSIVE_EMS_time().SelectText("2.0");
  SetCell(0x10BF, "5D");
  Times().Show_PASS_EMS_TIME(0, "5D");
  EXPECT_EQ(Times().PASSIVE_EMS_time().Text(), "2.0");
  EXPECT_EQ(Cell(0x10BF), "5D");
}

TEST_F(TimeListsTest, InchingLeavesByteOutsideItsColumn) {
  Times().TIME_INCHING().SelectText("0.4");
  SetCell(0x10BE, "38");
  Times().Show_INCHTIME(0, "38");
  EXPECT_EQ(Times().TIME_INCHING().Text(), "0.4");
  EXPECT_EQ(Cell(0x10BE), "38");
}

TEST_F(TimeListsTest, SelectionHandlersWriteTheirBytes) {
  struct Case {
    Choice& list;
    const char* item;
    int address;
    const char* stored;
  };
  const Case cases[] = {
      {Times().INTL_DelayTime_UP(4), "1.5", 0x10B0, "5D"}, {Times().TIME_ACCDELAY_UP(5), "0.5", 0x10BC, "1F"},
      {Times().TIME_ACCDELAY_DN(1), "3.0", 0x10B5, "BB"},  {Times().TIME_INCHING(), "0.8", 0x10BE, "32"},
      {Times().PASSIVE_EMS_time(), "0.9", 0x10BF, "38"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(c.list.SelectText(c.item)) << c.list.Name();
    EXPECT_EQ(Cell(c.address), c.stored) << c.list.Name();
  }
}

TEST_F(TimeListsTest, InterlockDelayListShowsItselfWhenChosen) {
  Choice& list = Times().INTL_DelayTime_UP(2);
  list.SetVisible(false);
  list.SelectText("1.0");
  EXPECT_TRUE(list.Visible());
}

TEST_F(TimeListsTest, F1DelayIsPairFivesSecondKeyDelay) {
  Times().TIME_ACCDELAY_DN_F1().SelectText("2.0");
  EXPECT_EQ(Cell(0x10BD), "7D");
  EXPECT_EQ(Times().TIME_ACCDELAY_DN(5).Text(), "2.0");
}

TEST_F(TimeListsTest, PerKeyDelayAlwaysStoresPointThreeSeconds) {
  for (int key = 0; key < 12; ++key) {
    SetCell(0x10C0 + key, "AB");
    Choice& list = Times().KeyDelayList(key);
    list.Select(key == 2 ? 0 : 32);
    EXPECT_EQ(Cell(0x10C0 + key), "12") << list.Name();
  }
  EXPECT_EQ(Times().KeyDelayList(2).Name(), "EAST_DELAYTIME");
}

TEST_F(TimeListsTest, ZeroAllDelayTimeResetsThePairOfButtonModel) {
  Times().INTL_DelayTime_UP(3).SelectText("2.0");
  Times().TIME_ACCDELAY_UP(3).SelectText("2.0");
  Times().TIME_ACCDELAY_DN(3).SelectText("2.0");
  Times().TIME_ACCDELAY_UP(2).SelectText("2.0");
  Window().State().BUTTON_MODEL = 3;
  Times().ZERO_ALL_DELAYTIME();
  EXPECT_EQ(Times().INTL_DelayTime_UP(3).Text(), "0.0");
  EXPECT_EQ(Times().TIME_ACCDELAY_UP(3).Text(), "0.0");
  EXPECT_EQ(Times().TIME_ACCDELAY_DN(3).Text(), "0.0");
  EXPECT_EQ(Cell(0x10AF), "01");
  EXPECT_EQ(Cell(0x10B8), "01");
  EXPECT_EQ(Cell(0x10B9), "01");
  EXPECT_EQ(Cell(0x10B6), "7D") << "pair 2 keeps its delay";
}

struct LedRow {
  const char* text;
  const char* low;
  const char* high;
};
constexpr LedRow kLedRows[] = {
    {"0.0", "01", "00"}, {"0.3", "60", "09"}, {"0.5", "A0", "0F"}, {"1.0", "40", "1F"},
    {"1.5", "E0", "2E"}, {"2.0", "80", "3E"}, {"3.0", "C0", "5D"}, {"4.0", "00", "7D"},
};

TEST_F(TimeListsTest, LedOffTimeWritesItsRowAndSwitchesTheLedOn) {
  for (const LedRow& row : kLedRows) {
    Window().Image().SetImageBit(0x1093, 3, 0);
    ASSERT_TRUE(Times().LED_OFF_TIME().SelectText(row.text));
    EXPECT_EQ(Cell(0x109E), row.low) << row.text;
    EXPECT_EQ(Cell(0x109F), row.high) << row.text;
    EXPECT_EQ(Window().Image().ReadImageByte(0x1093) & 0x20, 0x20) << row.text;
  }
}

TEST_F(TimeListsTest, LedOffTimeDecoderFindsItsRow) {
  for (std::size_t i = 0; i < std::size(kLedRows); ++i) {
    Times().ShowLedOffTime(std::string(kLedRows[i].low) + kLedRows[i].high);
    EXPECT_EQ(Times().LED_OFF_TIME().Index(), static_cast<int>(i));
  }
}

TEST_F(TimeListsTest, LedOffTimeWithoutARowShowsOneSecond) {
  Times().LED_OFF_TIME().SelectText("4.0");
  SetCell(0x109E, "12");
  SetCell(0x109F, "34");
  Times().ShowLedOffTime("1234");
  EXPECT_EQ(Times().LED_OFF_TIME().Text(), "1.0");
  EXPECT_EQ(Cell(0x109E), "40");
  EXPECT_EQ(Cell(0x109F), "1F");

  SetCell(0x109E, "12");
  Times().ShowLedOffTime("1234");  // already shows "1.0": nothing rewritten
  EXPECT_EQ(Cell(0x109E), "12");
}

}  // namespace
}  // namespace k9r
