// k9r-setup: the setup window. With --demo it works on the simulated demo
// unit, with --port PORT on that port, otherwise on the port chosen last.
#include <QApplication>
#include <QMessageBox>
#include <iostream>
#include <memory>

#include "app/MainWindowView.h"
#include "app/QtUserInterface.h"
#include "core/Clock.h"
#include "device/PortNames.h"
#include "device/TermiosSerialPort.h"
#include "editor/MainWindow.h"
#include "editor/PortSelector.h"
#include "editor/UnitTransfer.h"
#include "files/ProgramSettings.h"
#include "report/QtWindowPrinter.h"
#include "sim/DemoUnit.h"

namespace {

constexpr const char* kUsage =
    "usage: k9r-setup [--port PORT | --demo] [--codepage NAME]\n"
    "  --port PORT      work on PORT for this run: COMn (COM1 is /dev/ttyS0) or a device path\n"
    "  --demo           work on the simulated demo unit (no hardware needed); its memory is\n"
    "                   kept in the user's data folder between runs\n"
    "  --codepage NAME  the code page of setup and language files for this run\n"
    "                   (setupCODEPAGE.txt beside the settings keeps one for every run)\n";

struct Options {
  bool demo = false;
  std::string port;
  std::string codePage;
};

bool ParseOptions(const QStringList& arguments, Options& options) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const bool hasValue = i + 1 < arguments.size();
    if (arguments[i] == "--demo") {
      options.demo = true;
    } else if (arguments[i] == "--port" && hasValue) {
      options.port = arguments[++i].toStdString();
    } else if (arguments[i] == "--codepage" && hasValue) {
      options.codePage = arguments[++i].toStdString();
    } else {
      return false;
    }
  }
  return !(options.demo && !options.port.empty());
}

std::vector<std::string> MachinePortNames() {
  std::vector<std::string> names;
  for (const k9r::PortInfo& port : k9r::ListSerialPorts()) names.push_back(port.name);
  return names;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("K9R_SETUP");
  Options options;
  if (!ParseOptions(QApplication::arguments(), options)) {
    std::cerr << kUsage;
    return 2;
  }
  k9r::ProgramSettings settings(k9r::DefaultSettingsFolders());
  if (!options.codePage.empty() && !settings.OverrideCodePage(options.codePage)) {
    std::cerr << "k9r-setup: unknown code page " << options.codePage << "\n";
    return 2;
  }

  // The port and the demo unit outlive the window model that uses them.
  k9r::TermiosSerialPort port;
  k9r::sim::PtyDemoUnit demoUnit;
  k9r::QtUserInterface ui;
  k9r::SteadyClock clock([&ui] { ui.PumpEvents(); });
  k9r::MainWindow model(ui, clock);
  model.SetSettings(std::move(settings));
  k9r::MainWindowView view(model);
  ui.SetParentWindow(&view);
  k9r::QtWindowPrinter printer(view, ui);
  model.SetWindowPrinter(&printer);
  model.Ports().AddPorts(MachinePortNames());

  model.startup();
  if (model.Ended()) return 0;

  if (options.demo) {
    std::string error;
    const std::string memoryFile = k9r::sim::DemoMemoryFile();
    if (!demoUnit.Start(memoryFile, error)) {
      QMessageBox::critical(nullptr, "K9R_SETUP", QString::fromStdString("The demo unit cannot start: " + error));
      return 1;
    }
    model.AttachSerialPort(port, k9r::sim::DemoProductData());
    model.Transfer().SetBackupFolder(k9r::sim::DemoBackupFolder());
    model.Ports().ShowPortForThisRun(demoUnit.TerminalPath());
    model.SetTitleNote("[DEMO UNIT: simulated, no hardware]");
    model.Ports().SetNote("DEMO UNIT");
    std::cerr << "k9r-setup: demo unit on " << demoUnit.TerminalPath() << ", its memory in " << memoryFile << "\n";
  } else {
    model.AttachSerialPort(port, k9r::LoadProductData(k9r::DefaultDataFileSearch()));
    model.Transfer().SetBackupFolder(k9r::UnitBackupFolder());
    if (!options.port.empty()) model.Ports().ShowPortForThisRun(options.port);
  }
  view.show();
  return QApplication::exec();
}
