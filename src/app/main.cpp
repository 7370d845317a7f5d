// k9r-setup: the setup window.
#include <QApplication>

#include "app/MainWindowView.h"
#include "app/QtUserInterface.h"
#include "core/Clock.h"
#include "editor/MainWindow.h"
#include "report/QtWindowPrinter.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("K9R_SETUP");

  k9r::QtUserInterface ui;
  k9r::SteadyClock clock([&ui] { ui.PumpEvents(); });
  k9r::MainWindow model(ui, clock);
  k9r::MainWindowView view(model);
  ui.SetParentWindow(&view);
  k9r::QtWindowPrinter printer(view, ui);
  model.SetWindowPrinter(&printer);

  model.startup();
  if (model.Ended()) return 0;
  view.show();
  return QApplication::exec();
}
