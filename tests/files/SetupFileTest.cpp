#include <gtest/gtest.h>

#include "files/SetupFile.h"

namespace k9r {
namespace {

using Lines = std::vector<std::string>;

struct NamingCase {
  const char* mainFile;
  const char* forSave;
  const char* beside;
};

class CompanionNamingTest : public ::testing::TestWithParam<NamingCase> {};

TEST_P(CompanionNamingTest, DerivesTheFirstCompanion) {
  EXPECT_EQ(CompanionPathForSave(GetParam().mainFile, Companion::DistributorRemark).string(), GetParam().forSave);
  EXPECT_EQ(CompanionPathBeside(GetParam().mainFile, Companion::DistributorRemark).string(), GetParam().beside);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CompanionNamingTest,
    ::testing::Values(NamingCase{"/setups/crane7.K9S", "/setups/crane7_1.DU1", "/setups/crane7_1.DU1"},
                      NamingCase{"/a/unit.old.K9S", "/a/unit.old_1.DU1", "/a/unit_1.DU1"},
                      NamingCase{"/a/noextension", "/a/noextension_1.DU1", "/a/noextension_1.DU1"},
                      NamingCase{"/a.b/unit", "/a.b/unit_1.DU1", "/a.b/unit_1.DU1"}),
                         [](const auto& testCase) { return "Case" + std::to_string(testCase.index); });

TEST(SetupFileTest, CompanionSuffixesAndLines) {
  EXPECT_EQ(CompanionPathForSave("/d/u.K9S", Companion::UserRemark).string(), "/d/u_2.DU2");
  EXPECT_EQ(CompanionPathForSave("/d/u.K9S", Companion::Image).string(), "/d/u_3.DU3");
  EXPECT_EQ(CompanionLine(Companion::DistributorRemark), 9);
  EXPECT_EQ(CompanionLine(Companion::UserRemark), 16);
  EXPECT_EQ(CompanionLine(Companion::Image), 17);
}

TEST(SetupFileTest, MissingLinesRepeatTheLastLineRead) {
  Lines nineteen;
  for (int i = 0; i < 19; ++i) nineteen.push_back("line " + std::to_string(i));
  const MainFileTable table = MainFileTableFromLines(nineteen);
  EXPECT_EQ(table[18], "line 18");
  EXPECT_EQ(table[19], "line 18");
  EXPECT_EQ(table[21], "line 18");
  EXPECT_EQ(MainFileTableFromLines({})[21], "");

  Lines longer(30, "x");
  longer[21] = "last";
  EXPECT_EQ(MainFileTableFromLines(longer)[21], "last") << "lines past 21 are not read";
}

TEST(SetupFileTest, LineBreaksInAFieldKeepTheLineStructure) {
  EXPECT_EQ(FieldToLine("Hafenstr. 12"), "Hafenstr. 12") << "a text without breaks stays as it is";
  EXPECT_EQ(FieldToLine("Hafenstr. 12\r\n20457 Hamburg\nGermany"), "Hafenstr. 12\v20457 Hamburg\vGermany");
  EXPECT_EQ(FieldFromLine("Hafenstr. 12\v20457 Hamburg\vGermany"), "Hafenstr. 12\n20457 Hamburg\nGermany");
  EXPECT_EQ(FieldToLine("a\rb").find('\r'), std::string::npos);
}

TEST(SetupFileTest, RemarkLinesRoundTripWithoutGrowing) {
  EXPECT_EQ(RemarkToLines("a\nb"), (Lines{"a", "b"}));
  EXPECT_EQ(RemarkFromLines({"a", "b"}), "a\nb\n");
  EXPECT_EQ(RemarkToLines("a\nb\n"), (Lines{"a", "b"})) << "a loaded remark saves as it was loaded";
  EXPECT_EQ(RemarkToLines(""), (Lines{""}));
  EXPECT_EQ(RemarkToLines("a\n\n"), (Lines{"a", ""}));
  EXPECT_EQ(RemarkFromLines(RemarkToLines("a\n\n")), "a\n\n");
}

}  // namespace
}  // namespace k9r
