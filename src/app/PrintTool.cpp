// k9r-print: the setup window printed into a PDF file without a display, for
// records made in batch. `k9r print` runs it; it is the only Qt part of the
// command line.
#include <QApplication>
#include <chrono>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "app/MainWindowView.h"
#include "cli/ScriptRunner.h"
#include "report/PagePrinting.h"
#include "report/WindowCapture.h"

namespace {

constexpr const char* kUsage =
    "usage: k9r print [--window] --pdf OUT.pdf [--script FILE|-] [--landscape]\n"
    "  prints the setup window, as the Printer command does, into a one-page PDF.\n"
    "  The window starts as the program does; the script's actions (see README)\n"
    "  then run against it before it is printed. --landscape turns the page.\n";

struct PrintOptions {
  std::string pdfPath;
  std::string scriptPath;  // empty: no script; "-": standard input
  k9r::PageOrientation orientation = k9r::PageOrientation::Portrait;
};

// nullopt (after saying why) when the arguments make no sense.
std::optional<PrintOptions> ParseOptions(int argc, char** argv) {
  PrintOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "--window") {
      continue;  // the window is the only record there is
    } else if (argument == "--pdf" && hasValue) {
      options.pdfPath = argv[++i];
    } else if (argument == "--script" && hasValue) {
      options.scriptPath = argv[++i];
    } else if (argument == "--landscape") {
      options.orientation = k9r::PageOrientation::Landscape;
    } else {
      std::cerr << "k9r print: unknown or incomplete option " << argument << "\n";
      return std::nullopt;
    }
  }
  if (options.pdfPath.empty()) {
    std::cerr << "k9r print: say where the PDF goes (--pdf OUT.pdf)\n";
    return std::nullopt;
  }
  return options;
}

// The offscreen platform chats about what it cannot do for a window that is
// never on a screen; batch output keeps only real errors.
void KeepOnlyErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

// Starts the window and runs the script; false when the script failed or
// left no window to print.
bool PrepareWindow(k9r::ScriptRunner& runner, const PrintOptions& options) {
  runner.Window().startup();
  int status = 0;
  if (options.scriptPath == "-") {
    status = runner.Run(std::cin, std::cout, std::cerr);
  } else if (!options.scriptPath.empty()) {
    std::ifstream script(options.scriptPath);
    if (!script) {
      std::cerr << "k9r print: cannot open script " << options.scriptPath << "\n";
      return false;
    }
    status = runner.Run(script, std::cout, std::cerr);
  }
  if (status != 0) return false;
  if (runner.Window().Ended()) {
    std::cerr << "k9r print: the program ended before the window could be printed\n";
    return false;
  }
  // A window that has been open a moment shows the clock in its title.
  runner.Window().Timer1_Timer(std::chrono::system_clock::now());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
      std::cout << kUsage;
      return 0;
    }
  }
  const auto options = ParseOptions(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return 2;
  }

  // The window is drawn without ever being shown on a screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(KeepOnlyErrors);
  QApplication app(argc, argv);
  k9r::ScriptRunner runner;
  if (!PrepareWindow(runner, *options)) return 2;

  k9r::MainWindowView view(runner.Window());
  view.show();
  QApplication::processEvents();
  const auto printer = k9r::MakePdfPrinter(QString::fromStdString(options->pdfPath), options->orientation);
  if (!k9r::PrintImageOnPage(*printer, k9r::CaptureWholeWindow(view), view.logicalDpiX(),
                             k9r::WindowScaleFactors(options->orientation))) {
    std::cerr << "k9r print: cannot write " << options->pdfPath << "\n";
    return 1;
  }
  return 0;
}
