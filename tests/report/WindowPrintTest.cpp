// Printing the real window offscreen into PDF files and looking at the pages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>

#include "../support/PdfPages.h"
#include "app/MainWindowView.h"
#include "core/Clock.h"
#include "editor/MainWindow.h"
#include "editor/ScriptedUserInterface.h"
#include "report/PagePrinting.h"
#include "report/QtWindowPrinter.h"
#include "report/WindowCapture.h"

namespace k9r {

void PrintTo(PageOrientation orientation, std::ostream* out) {
  *out << (orientation == PageOrientation::Portrait ? "portrait" : "landscape");
}

namespace {

using testing::PdfInfo;
using testing::ReadPdfInfo;
using testing::RenderedPage;

constexpr testing::Rgb kMarker{255, 0, 255};

// The printed files go into a folder of this test process: tests run in
// parallel, and other checkouts may run them at the same time.
QString TestFolder() {
  return QString::fromStdString(::testing::TempDir()) + QString("k9r-report-%1/").arg(QCoreApplication::applicationPid());
}

// What the user does in the print dialog.
struct DialogChoice {
  bool confirm = true;
  std::string file;
  PageOrientation orientation = PageOrientation::Portrait;
};

// What the dialog offered when it opened.
struct Offered {
  std::string file;
  PageOrientation orientation;
};

class WindowPrintTest : public ::testing::Test {
 protected:
  WindowPrintTest()
      : model_(ui_, clock_),
        view_(model_),
        printer_(
            view_, ui_, [this](QPrinter& printer, QWidget*) { return RunDialog(printer); },
            MakePdfPrinter(QString(), PageOrientation::Portrait)) {
    model_.SetWindowPrinter(&printer_);
    model_.startup();
    view_.show();
  }

  static std::string FreshPath(const std::string& name) {
    QDir().mkpath(TestFolder());
    const QString path = TestFolder() + QString::fromStdString(name);
    QFile::remove(path);
    return path.toStdString();
  }

  void ChooseInDialog(DialogChoice choice) { choice_ = std::move(choice); }

  RenderedPage PrintedPage(const std::string& path, int dpi) {
    const std::optional<PdfInfo> info = ReadPdfInfo(path);
    EXPECT_TRUE(info.has_value()) << path << " is no PDF";
    if (info) {
      EXPECT_EQ(info->pages, 1);
    }
    auto page = RenderedPage::Render(path, dpi);
    EXPECT_TRUE(page.has_value()) << "pdftoppm could not render " << path;
    return page.value_or(RenderedPage{});
  }

  // A block of a colour nothing else in the window has, on the given tab.
  void MarkTab(int tab) {
    auto* marker = new QLabel("marker", view_.TabPage(tab));
    marker->setAutoFillBackground(true);
    marker->setStyleSheet("background: #ff00ff");
    marker->setGeometry(10, 10, 200, 100);
    marker->show();
  }

  std::vector<Offered> offered_;
  ScriptedUserInterface ui_;
  VirtualClock clock_;
  MainWindow model_;
  MainWindowView view_;
  QtWindowPrinter printer_;

 private:
  bool RunDialog(QPrinter& printer) {
    offered_.push_back({printer.outputFileName().toStdString(), OrientationOf(printer)});
    // The user changes the settings before deciding, as people do.
    printer.setOutputFileName(QString::fromStdString(choice_.file));
    printer.setPageOrientation(choice_.orientation == PageOrientation::Portrait ? QPageLayout::Portrait
                                                                                 : QPageLayout::Landscape);
    return choice_.confirm;
  }

  DialogChoice choice_;
};

class PrintOrientationTest : public WindowPrintTest, public ::testing::WithParamInterface<PageOrientation> {};

TEST_P(PrintOrientationTest, PageShowsTheWholeWindowAtTheFactors) {
  const std::string path = FreshPath("window.pdf");
  ChooseInDialog({true, path, GetParam()});
  model_.Menu("mnuprinter").Click();
  EXPECT_TRUE(ui_.Records().empty()) << "the dialog named the file: no other question";

  constexpr int kDpi = 72;
  const RenderedPage page = PrintedPage(path, kDpi);
  EXPECT_EQ(page.Width() < page.Height(), GetParam() == PageOrientation::Portrait);
  EXPECT_GT(page.DarkPixels(), 1000) << "no texts on the page";

  const QSizeF window = CaptureWholeWindow(view_).deviceIndependentSize();
  const ScaleFactors factors = WindowScaleFactors(GetParam());
  const double toPage = double(kDpi) / view_.logicalDpiX();
  const testing::PixelBox drawn = page.DrawnBox();
  EXPECT_EQ(drawn.left, 0);
  EXPECT_EQ(drawn.top, 0);
  EXPECT_NEAR(drawn.Width(), window.width() * toPage * factors.width, 2);
  EXPECT_NEAR(drawn.Height(), window.height() * toPage * factors.height, 2);
}

INSTANTIATE_TEST_SUITE_P(Orientations, PrintOrientationTest,
                         ::testing::Values(PageOrientation::Portrait, PageOrientation::Landscape),
                         [](const auto& test) {
                           return test.param == PageOrientation::Portrait ? "Portrait" : "Landscape";
                         });

TEST_F(WindowPrintTest, PrintsTheTabThatIsOpen) {
  MarkTab(1);
  const std::string functionTab = FreshPath("function-tab.pdf");
  ChooseInDialog({true, functionTab});
  model_.Menu("mnuprinter").Click();
  EXPECT_EQ(PrintedPage(functionTab, 30).PixelsNear(kMarker, 40), 0);

  ASSERT_TRUE(model_.SSTab1().Select(1));
  const std::string userTab = FreshPath("user-tab.pdf");
  ChooseInDialog({true, userTab});
  model_.Menu("mnuprinter").Click();
  EXPECT_GT(PrintedPage(userTab, 30).PixelsNear(kMarker, 40), 100) << "the User-Infomation tab is on the page";
}

TEST_F(WindowPrintTest, CancelPrintsNothingAndKeepsTheChosenPrinter) {
  const std::string chosen = FreshPath("chosen.pdf");
  ChooseInDialog({true, chosen, PageOrientation::Landscape});
  model_.K9R_P1_Toolbar().ClickKey("Printer");
  ASSERT_TRUE(QFile::exists(QString::fromStdString(chosen)));

  const std::string cancelled = FreshPath("cancelled.pdf");
  ChooseInDialog({false, cancelled, PageOrientation::Portrait});
  model_.Menu("mnuprinter").Click();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(cancelled)));
  EXPECT_TRUE(ui_.Records().empty());
  EXPECT_EQ(printer_.CurrentPrinter().outputFileName().toStdString(), chosen);
  EXPECT_EQ(OrientationOf(printer_.CurrentPrinter()), PageOrientation::Landscape);

  // The next dialog opens on the printer chosen first, not on the cancelled settings.
  model_.Menu("mnuprinter").Click();
  ASSERT_EQ(offered_.size(), 3u);
  EXPECT_EQ(offered_[0].file, "");
  EXPECT_EQ(offered_[2].file, chosen);
  EXPECT_EQ(offered_[2].orientation, PageOrientation::Landscape);
}

TEST_F(WindowPrintTest, PrintButtonPrintsTheClientAreaOnTheChosenPrinterWithoutTheDialog) {
  ChooseInDialog({true, FreshPath("landscape.pdf"), PageOrientation::Landscape});
  model_.Menu("mnuprinter").Click();
  const std::string path = FreshPath("client-area.pdf");
  ui_.QueueAnswer({ScriptedUserInterface::Answer::Kind::File, path});
  model_.Controls().Get<Button>("PRINTER_MAIN").Click();
  EXPECT_EQ(offered_.size(), 1u) << "no print dialog";
  ASSERT_EQ(ui_.Records().size(), 1u) << "a PDF printer asks only for the file";
  EXPECT_EQ(ui_.Records()[0].kind, "save");

  constexpr int kDpi = 72;
  const RenderedPage page = PrintedPage(path, kDpi);
  EXPECT_GT(page.Width(), page.Height()) << "the chosen landscape page";
  const double toPage = double(kDpi) / view_.logicalDpiX();
  const int clientHeight = view_.height() - view_.menuBar()->height();
  const testing::PixelBox drawn = page.DrawnBox();
  EXPECT_EQ(drawn.left, 0);
  EXPECT_EQ(drawn.top, 0);
  EXPECT_NEAR(drawn.Width(), view_.width() * toPage, 2) << "printed at its size on the screen";
  EXPECT_NEAR(drawn.Height(), clientHeight * toPage, 2) << "no title bar, no menu bar";
}

TEST_F(WindowPrintTest, PrintButtonAsksForTheFileEveryTimeAndCancelPrintsNothing) {
  const std::string first = FreshPath("first.pdf");
  ui_.QueueAnswer({ScriptedUserInterface::Answer::Kind::File, first});
  model_.Controls().Get<Button>("PRINTER_MAIN").Click();
  ASSERT_TRUE(QFile::exists(QString::fromStdString(first)));
  QFile::remove(QString::fromStdString(first));

  model_.Controls().Get<Button>("PRINTER_MAIN").Click();  // nothing queued: cancelled
  ASSERT_EQ(ui_.Records().size(), 2u);
  EXPECT_EQ(ui_.Records()[1].answer, "cancel");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(first))) << "no silent rewrite of the earlier file";
}

TEST_F(WindowPrintTest, AFileThatCannotBeWrittenIsReported) {
  ChooseInDialog({true, "/nonexistent-folder/window.pdf"});
  model_.Menu("mnuprinter").Click();
  ASSERT_EQ(ui_.Records().size(), 1u);
  EXPECT_EQ(ui_.Records()[0].icon, MessageIcon::Warning);
  EXPECT_EQ(ui_.Records()[0].text, "The window could not be printed on /nonexistent-folder/window.pdf.");
  EXPECT_FALSE(ui_.Busy());
}

}  // namespace
}  // namespace k9r

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  if (!qEnvironmentVariableIsSet("K9R_KEEP_PRINTS")) QDir(k9r::TestFolder()).removeRecursively();
  return status;
}
