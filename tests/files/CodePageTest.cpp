#include <gtest/gtest.h>

#include "files/CodePage.h"
#include "files/TextFile.h"
#include "TempFolder.h"

namespace k9r {
namespace {

using k9r::testing::Fixture;
using k9r::testing::ReadBytes;
using k9r::testing::TempFolder;

struct DecodeCase {
  const char* name;
  std::string bytes;
  const char* codePage;
  std::string text;
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, GivesUtf8) {
  EXPECT_EQ(DecodeFileBytes(GetParam().bytes, GetParam().codePage), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTest,
    ::testing::Values(DecodeCase{"Ascii", "Kran 7", "WINDOWS-1252", "Kran 7"},
                      DecodeCase{"Windows1252", "M\xFCller \x80", "WINDOWS-1252", "M\u00fcller \u20ac"},
                      DecodeCase{"Utf8WinsOverTheCodePage", "M\xC3\xBCller", "WINDOWS-1252", "M\u00fcller"},
                      DecodeCase{"ByteOrderMarkDropped", "\xEF\xBB\xBFKran", "WINDOWS-1252", "Kran"},
                      DecodeCase{"Big5", "\xA5\x78\xC6\x57", "BIG5", "\u53f0\u7063"},
                      DecodeCase{"UndefinedByteShowsAsReplacement", "a\x81z", "WINDOWS-1252", "a\ufffdz"},
                      DecodeCase{"UnknownCodePageKeepsAscii", "ab\xE9", "NO-SUCH-PAGE", "ab\ufffd"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(CodePageTest, Utf8Validation) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("\xE5\x8F\xB0"));
  EXPECT_FALSE(IsValidUtf8("\xE5\x8F")) << "cut short";
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF")) << "overlong";
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")) << "surrogate";
  EXPECT_FALSE(IsValidUtf8("M\xFCller"));
}

TEST(CodePageTest, EncodesOrRefuses) {
  EXPECT_EQ(EncodeInCodePage("M\u00fcller", "WINDOWS-1252"), "M\xFCller");
  EXPECT_EQ(EncodeInCodePage("\u53f0\u7063", "BIG5"), "\xA5\x78\xC6\x57");
  EXPECT_EQ(EncodeInCodePage("\u53f0", "WINDOWS-1252"), std::nullopt);
  EXPECT_TRUE(IsKnownCodePage("BIG5"));
  EXPECT_FALSE(IsKnownCodePage("KLINGON"));
  EXPECT_FALSE(IsKnownCodePage(""));
}

TEST(CodePageTest, Big5SetupFileReadsWithItsCodePage) {
  const auto lines = ReadTextLines(Fixture("setup/taiwan.K9S"), "BIG5");
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 22u);
  EXPECT_EQ((*lines)[0], "\u53f0\u7063\u8d77\u91cd\u6a5f\u68b0");
  EXPECT_NE(ReadTextLines(Fixture("setup/taiwan.K9S"), "WINDOWS-1252")->front(), (*lines)[0]);
}

TEST(CodePageTest, TextTheCodePageCannotHoldIsWrittenAsUtf8) {
  TempFolder folder;
  ASSERT_TRUE(WriteTextLines(folder / "mixed.txt", {"M\u00fcller", "\u53f0\u7063"}, "WINDOWS-1252"));
  EXPECT_EQ(ReadBytes(folder / "mixed.txt"), "M\xC3\xBCller\r\n\xE5\x8F\xB0\xE7\x81\xA3\r\n");
  EXPECT_EQ(ReadTextLines(folder / "mixed.txt", "WINDOWS-1252"),
            (std::vector<std::string>{"M\u00fcller", "\u53f0\u7063"}));
}

}  // namespace
}  // namespace k9r
