// k9r print as a batch job would use it: a script, a PDF, and a look at the page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "../support/PdfPages.h"
#include "../support/RunK9r.h"

namespace {

using k9r::testing::ReadPdfInfo;
using k9r::testing::RenderedPage;
using k9r::testing::RunK9r;
using k9r::testing::RunResult;

class PrintCommandTest : public ::testing::Test {
 protected:
  PrintCommandTest() : folder_(::testing::TempDir() + "k9r-print-" + std::to_string(getpid())) {
    std::filesystem::create_directories(folder_);
  }
  ~PrintCommandTest() override { std::filesystem::remove_all(folder_); }

  std::string Pdf(const std::string& name) const { return (folder_ / name).string(); }

  std::filesystem::path folder_;
};

TEST_F(PrintCommandTest, ScriptedWindowBecomesAOnePagePdfThatIsNotBlank) {
  const std::string functionTab = Pdf("function.pdf");
  const RunResult plain = RunK9r("print --window --pdf " + functionTab, "");
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.err, "") << "a batch run says nothing when all is well";

  const std::string userTab = Pdf("user.pdf");
  const RunResult scripted = RunK9r("print --window --pdf " + userTab + " --script -", "select SSTab1 1\ndump\n");
  ASSERT_EQ(scripted.status, 0) << scripted.err;
  EXPECT_NE(scripted.out.find("\"SSTab1\""), std::string::npos) << "the script's dump goes to standard output";

  for (const std::string& pdf : {functionTab, userTab}) {
    const auto info = ReadPdfInfo(pdf);
    ASSERT_TRUE(info.has_value()) << pdf << " is no PDF";
    EXPECT_EQ(info->pages, 1);
    EXPECT_LT(info->widthPoints, info->heightPoints) << "portrait unless asked otherwise";
  }
  const auto functionPage = RenderedPage::Render(functionTab, 72);
  const auto userPage = RenderedPage::Render(userTab, 72);
  ASSERT_TRUE(functionPage && userPage);
  EXPECT_GT(functionPage->DarkPixels(), 1000) << "the page is blank";
  // The function tab and the user tab with its contact fields print
  // different pages: the script ran before the window was printed.
  EXPECT_GT(std::abs(functionPage->DarkPixels() - userPage->DarkPixels()), 200);
}

TEST_F(PrintCommandTest, LandscapeTurnsThePage) {
  const std::string pdf = Pdf("landscape.pdf");
  const RunResult run = RunK9r("print --pdf " + pdf + " --landscape", "");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto info = ReadPdfInfo(pdf);
  ASSERT_TRUE(info.has_value());
  EXPECT_GT(info->widthPoints, info->heightPoints);
}

TEST_F(PrintCommandTest, FailuresSayWhyAndLeaveNoPdf) {
  struct Case {
    std::string arguments;
    std::string script;
    int status;
    std::string error;
  };
  const std::string pdf = Pdf("never.pdf");
  const Case cases[] = {
      {"print --window", "", 2, "say where the PDF goes"},
      {"print --pdf " + pdf + " --colour", "", 2, "unknown or incomplete option --colour"},
      {"print --pdf " + pdf + " --script " + Pdf("missing.txt"), "", 2, "cannot open script"},
      {"print --pdf " + pdf + " --script -", "select SSTab1 4\n", 2, "script line 1: tab 4 is closed"},
      {"print --pdf " + pdf + " --script -", "answer yes\nclick mnuexit\n", 2, "the program ended"},
      {"print --pdf " + folder_.string() + "/no/such/folder.pdf", "", 1, "cannot write"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunK9r(c.arguments, c.script);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << c.arguments << ": " << run.err;
    EXPECT_FALSE(std::filesystem::exists(pdf)) << c.arguments;
  }
}

}  // namespace
