#include "device/ProductData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim/DemoUnit.h"

namespace k9r {
namespace {

const std::string kHex64 = std::string(62, '1') + "AB";

DataFile<LoaderPasswords> ParsePasswords(const std::string& text) {
  std::istringstream in(text);
  return ParsePasswordsFile(in, "pw.txt");
}

TEST(ProductDataTest, ReadsAllFourBuildsWithBlanksAndComments) {
  const auto file = ParsePasswords("# comment\n\nA = " + kHex64 + "\r\nB=" + kHex64 + "\nC = 11 11 11 11 11 11 11 11 "
                                   "11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 AB\nD =" +
                                   kHex64 + "\n");
  EXPECT_EQ(file.problem, "");
  for (const auto& build : file.content.builds) {
    ASSERT_TRUE(build);
    EXPECT_EQ((*build)[0], 0x11);
    EXPECT_EQ((*build)[31], 0xAB);
  }
}

TEST(ProductDataTest, KeepsTheGoodBuildsAndNamesEveryFault) {
  struct Case {
    std::string text;
    std::string fault;
  };
  const Case cases[] = {
      {"A = " + kHex64.substr(2) + "\n", "line 1: build A needs 32 bytes"},
      {"A = " + std::string(63, '1') + "G\n", "line 1: build A needs 32 bytes"},
      {"E = " + kHex64 + "\n", "line 1: \"E\" is no firmware build"},
      {"A " + kHex64 + "\n", "line 1: expected BUILD = 64 hex digits"},
      {"A = " + kHex64 + "\nA = " + kHex64 + "\n", "line 2: build A is given twice"},
      {"", "build A is missing"},
  };
  for (const Case& c : cases) {
    const auto file = ParsePasswords(c.text + "B = " + kHex64 + "\n");
    EXPECT_NE(file.problem.find(c.fault), std::string::npos) << file.problem;
    EXPECT_NE(file.problem.find("pw.txt"), std::string::npos);
    EXPECT_TRUE(file.content.builds[1]) << "a fault elsewhere must not lose build B";
  }
}

TEST(ProductDataTest, PatchFileNeedsExactly194BytesAt0220) {
  const auto parse = [](const std::string& text) {
    std::istringstream in(text);
    return ParseLoaderPatchFile(in, "patch.txt");
  };
  std::string bytes;
  for (int i = 0; i < kLoaderPatchLength; ++i) bytes += (i % 16 == 15 ? "3F\n" : "3F ");
  const auto good = parse("# ours\n@0220\n" + bytes + "\nq\n");
  ASSERT_TRUE(good.content);
  EXPECT_EQ(good.content->size(), 194u);
  EXPECT_EQ(good.problem, "");

  const std::pair<std::string, std::string> bad[] = {
      {"@0200\n" + bytes + "\nq\n", "one section at @0220"},
      {"@0220\n3F 3F\nq\n", "holds 2 bytes"},
      {"@0220\n" + bytes + "\n", "closing \"q\""},
      {"@0220\nxx xx\nq\n", "line 2: \"xx\" is not a byte"},
  };
  for (const auto& [text, fault] : bad) {
    const auto file = parse(text);
    EXPECT_FALSE(file.content);
    EXPECT_NE(file.problem.find("patch.txt"), std::string::npos);
    EXPECT_NE(file.problem.find(fault), std::string::npos) << file.problem;
  }
}

TEST(ProductDataTest, ErasedDevicePasswordIsAllFF) {
  for (std::uint8_t byte : ErasedDevicePassword()) EXPECT_EQ(byte, 0xFF);
}

class DataFileLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = std::filesystem::temp_directory_path() / ("k9r-lookup-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root / "first");
    std::filesystem::create_directories(root / "second");
  }
  void TearDown() override { std::filesystem::remove_all(root); }
  void Write(const std::filesystem::path& path, const std::string& text) { std::ofstream(path) << text; }

  std::filesystem::path root;
};

TEST_F(DataFileLookupTest, TakesTheFirstFolderThatHasTheFile) {
  Write(root / "second" / kPasswordsFileName, "A = " + kHex64 + "\n");
  const ProductData data = LoadProductData({"", "", {(root / "first").string(), (root / "second").string()}});
  EXPECT_EQ(data.passwords.path, (root / "second" / kPasswordsFileName).string());
  EXPECT_TRUE(data.passwords.content.builds[0]);
}

TEST_F(DataFileLookupTest, AMissingFileNamesWhereItWasLookedFor) {
  const ProductData data = LoadProductData({"", "", {(root / "first").string()}});
  EXPECT_NE(data.passwords.problem.find("k9r-passwords.txt was not found"), std::string::npos);
  EXPECT_NE(data.passwords.problem.find((root / "first").string()), std::string::npos);
  EXPECT_NE(data.loaderPatch.problem.find("k9r-loader-patch.txt was not found"), std::string::npos);
}

TEST_F(DataFileLookupTest, AFileGivenOnTheCommandLineWins) {
  Write(root / "first" / kPasswordsFileName, "A = " + kHex64 + "\n");
  const ProductData data = LoadProductData({(root / "missing.txt").string(), "", {(root / "first").string()}});
  EXPECT_NE(data.passwords.problem.find("missing.txt cannot be opened"), std::string::npos);
  EXPECT_FALSE(data.passwords.content.builds[0]);
}

TEST(DemoDataTest, ShippedDemoFilesFitTheSimulatedUnit) {
  std::ifstream passwords(std::string(K9R_SOURCE_DIR) + "/data/demo/k9r-passwords.txt");
  const auto file = ParsePasswordsFile(passwords, "demo");
  EXPECT_EQ(file.problem, "");
  EXPECT_EQ(file.content.builds[0], sim::kDemoPassword);
  std::ifstream patch(std::string(K9R_SOURCE_DIR) + "/data/demo/k9r-loader-patch.txt");
  EXPECT_EQ(ParseLoaderPatchFile(patch, "demo").problem, "");
}

TEST(DemoDataTest, TemplatesAreRefusedUntilFilledIn) {
  std::ifstream passwords(std::string(K9R_SOURCE_DIR) + "/data/k9r-passwords.template.txt");
  const auto file = ParsePasswordsFile(passwords, "template");
  for (const auto& build : file.content.builds) EXPECT_FALSE(build);
  std::ifstream patch(std::string(K9R_SOURCE_DIR) + "/data/k9r-loader-patch.template.txt");
  EXPECT_FALSE(ParseLoaderPatchFile(patch, "template").content);
}

}  // namespace
}  // namespace k9r
