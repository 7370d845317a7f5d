// k9r-setup: the setup window.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "app/MainWindowView.h"
#include "app/QtUserInterface.h"
#include "core/Clock.h"
#include "editor/MainWindow.h"
#include "files/ProgramSettings.h"
#include "report/QtWindowPrinter.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("K9R_SETUP");

  k9r::QtUserInterface ui;
  k9r::SteadyClock clock([&ui] { ui.PumpEvents(); });
  k9r::MainWindow model(ui, clock);
  k9r::ProgramSettings settings(k9r::DefaultSettingsFolders());
  // --codepage NAME: the code page of setup and language files for this run
  // (setupCODEPAGE.txt beside the settings keeps one for every run).
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--codepage") == 0 && !settings.OverrideCodePage(argv[i + 1])) {
      std::cerr << "k9r-setup: unknown code page " << argv[i + 1] << "\n";
      return 2;
    }
  }
  model.SetSettings(std::move(settings));
  k9r::MainWindowView view(model);
  ui.SetParentWindow(&view);
  k9r::QtWindowPrinter printer(view, ui);
  model.SetWindowPrinter(&printer);

  model.startup();
  if (model.Ended()) return 0;
  view.show();
  return QApplication::exec();
}
