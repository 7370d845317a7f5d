#include "device/BslFrame.h"

#include <gtest/gtest.h>

namespace k9r {
namespace {

Bytes Sent(const std::string& text) {
  Bytes frame = ParseFrameText(text).bytes;
  AppendChecksum(frame);
  return frame;
}

TEST(BslFrameTest, ChecksumOfTheReadFrame) {
  EXPECT_EQ(Sent("8014040480108000"), (Bytes{0x80, 0x14, 0x04, 0x04, 0x80, 0x10, 0x80, 0x00, 0x7B, 0xFF}));
}

TEST(BslFrameTest, LowerCaseAndBlanksAreSentAsUpperCase) {
  EXPECT_EQ(Sent("  801a040420020000 \r\n"), Sent("801A040420020000"));
}

TEST(BslFrameTest, StopsAtAPairThatIsNoHex) {
  const ParsedFrameText parsed = ParseFrameText("8014G40480");
  EXPECT_FALSE(parsed.complete);
  EXPECT_EQ(parsed.bytes, (Bytes{0x80, 0x14}));
}

TEST(BslFrameTest, ReadFrameTextPutsTheLowAddressByteFirst) {
  EXPECT_EQ(ReadFrameText(0xFFD0, 0x0F), "80140404D0FF0F00");
  EXPECT_EQ(ReadFrameText(0x10FE, 3), "80140404FE100300");
}

TEST(BslFrameTest, ReplyTextForms) {
  const Bytes bytes{0x80, 0x09, 0xA0};
  EXPECT_EQ(ReplyTextSpaced(bytes), "80 09 A0 ");
  EXPECT_EQ(ReplyTextCompact(bytes), "8009A0");
  EXPECT_EQ(ReplyTextNoLeadingZero(bytes), "809A0");
}

TEST(BslFrameTest, AllTrimRemovesEveryBlankAndReplacesItsArgument) {
  std::string text = "  80 00 02 02 01 60 ";
  EXPECT_EQ(AllTrim(text), "800002020160");
  EXPECT_EQ(text, "800002020160");
}

TEST(BslFrameTest, MidCountsFromOneAndStopsAtTheEnd) {
  EXPECT_EQ(Mid("ABCDEF", 2, 3), "BCD");
  EXPECT_EQ(Mid("ABCDEF", 5, 9), "EF");
  EXPECT_EQ(Mid("ABC", 9, 2), "");
}

TEST(BslFrameTest, ReadReplyProblems) {
  Bytes good{0x80, 0x00, 0x02, 0x02, 0x01, 0x60};
  AppendChecksum(good);
  EXPECT_EQ(ReadReplyProblem(ReplyTextSpaced(good), 2), std::nullopt);

  Bytes badChecksum = good;
  badChecksum.back() ^= 0x01;
  Bytes cut(good.begin(), good.end() - 1);
  struct Case {
    std::string reply;
    std::string problemPart;
  };
  const Case cases[] = {
      {"", "no reply"},
      {"A0 ", "refused"},
      {ReplyTextSpaced(badChecksum), "checksum"},
      {ReplyTextSpaced(cut), "7 bytes instead of 8"},
      {"90 " + ReplyTextSpaced(good), "does not start"},
  };
  for (const Case& c : cases) {
    const auto problem = ReadReplyProblem(c.reply, 2);
    ASSERT_TRUE(problem) << c.reply;
    EXPECT_NE(problem->find(c.problemPart), std::string::npos) << *problem;
  }
}

}  // namespace
}  // namespace k9r
