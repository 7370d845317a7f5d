#include <gtest/gtest.h>

#include <sys/stat.h>

#include "files/TextFile.h"
#include "TempFolder.h"

namespace k9r {
namespace {

using k9r::testing::ReadBytes;
using k9r::testing::TempFolder;
using k9r::testing::WriteBytes;
using Lines = std::vector<std::string>;

struct SplitCase {
  const char* text;
  Lines lines;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, Splits) { EXPECT_EQ(SplitLines(GetParam().text), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(Breaks, SplitLinesTest,
                         ::testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}}, SplitCase{"a\r\nb\r\n", {"a", "b"}},
                                           SplitCase{"a\nb", {"a", "b"}}, SplitCase{"a\rb\r", {"a", "b"}},
                                           SplitCase{"\r\n", {""}}, SplitCase{"a\r\n\r\nb\r\n", {"a", "", "b"}},
                                           SplitCase{"a\r\n\r\n", {"a", ""}}),
                         [](const auto& testCase) { return "Case" + std::to_string(testCase.index); });

TEST(TextFileTest, WritesCrLfInTheCodePageAndReadsBack) {
  TempFolder folder;
  ASSERT_TRUE(WriteTextLines(folder / "a.txt", {"M\u00fcller", "", "x"}, "WINDOWS-1252"));
  EXPECT_EQ(ReadBytes(folder / "a.txt"), "M\xFCller\r\n\r\nx\r\n");
  EXPECT_EQ(ReadTextLines(folder / "a.txt", "WINDOWS-1252"), (Lines{"M\u00fcller", "", "x"}));
}

TEST(TextFileTest, ReplacesAWholeFileAndLeavesNoTemporaryFile) {
  TempFolder folder;
  WriteBytes(folder / "a.txt", "old old old old\r\n");
  ASSERT_TRUE(WriteTextLines(folder / "a.txt", {"new"}, "WINDOWS-1252"));
  EXPECT_EQ(ReadBytes(folder / "a.txt"), "new\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(TextFileTest, FailedWritesReportFalseAndLeaveOldFilesAsTheyWere) {
  TempFolder folder;
  EXPECT_FALSE(WriteTextLines(folder / "missing-folder" / "a.txt", {"x"}, "WINDOWS-1252"));
  WriteBytes(folder / "plain-file", "");
  EXPECT_FALSE(WriteTextLines(folder / "plain-file" / "a.txt", {"x"}, "WINDOWS-1252"));
  std::filesystem::create_directory(folder / "a-folder.K9S");
  EXPECT_FALSE(WriteTextLines(folder / "a-folder.K9S", {"x"}, "WINDOWS-1252"));

  // A file marked read-only stays as it is, whoever runs the program.
  WriteBytes(folder / "locked.txt", "kept\r\n");
  ::chmod((folder / "locked.txt").c_str(), 0444);
  EXPECT_FALSE(WriteTextLines(folder / "locked.txt", {"x"}, "WINDOWS-1252"));
  EXPECT_EQ(ReadBytes(folder / "locked.txt"), "kept\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 3) << "no temporary file left";
}

TEST(TextFileTest, FileExistsOnlyForFiles) {
  TempFolder folder;
  WriteBytes(folder / "a.txt", "");
  EXPECT_TRUE(IsFileExit(folder / "a.txt"));
  EXPECT_FALSE(IsFileExit(folder.Path()));
  EXPECT_FALSE(IsFileExit(folder / "b.txt"));
  EXPECT_FALSE(IsFileExit(""));
  EXPECT_EQ(ReadTextLines(folder / "b.txt", "WINDOWS-1252"), std::nullopt);
}

}  // namespace
}  // namespace k9r
