#include "editor/MainWindowLinkHost.h"

#include "editor/MainWindow.h"
#include "editor/PortSelector.h"

namespace k9r {

std::string MainWindowLinkHost::SetupCellText(int cell) { return window_.Image().CellText(cell); }

void MainWindowLinkHost::SetSetupCellText(int cell, const std::string& text) {
  window_.Image().SetCellText(cell, text);
}

std::vector<std::string> MainWindowLinkHost::PortListItems() { return window_.Ports().COM_PORT_SETUP().Items(); }

int MainWindowLinkHost::PortListIndex() { return window_.Ports().COM_PORT_SETUP().Index(); }

void MainWindowLinkHost::SetPortListIndex(int index) { window_.Ports().COM_PORT_SETUP().Select(index); }

std::string MainWindowLinkHost::PortListText() { return window_.Ports().COM_PORT_SETUP().Text(); }

void MainWindowLinkHost::SetMainProgress(int value) { window_.ProgressBar1().SetValue(value); }

std::string MainWindowLinkHost::RC_MODETYPES() {
  return window_.Controls().Get<TextField>("RC_MODETYPES").Text();
}

int MainWindowLinkHost::FIX430F149AACLEANERROR() { return window_.State().FIX430F149AACLEANERROR; }

void MainWindowLinkHost::SetFIX430F149AACLEANERROR(int value) { window_.State().FIX430F149AACLEANERROR = value; }

std::string MainWindowLinkHost::LOADTEXT(int number) {
  return window_.State().LOADTEXT.at(static_cast<std::size_t>(number));
}

UserInterface& MainWindowLinkHost::Ui() { return window_.Ui(); }

Clock& MainWindowLinkHost::Time() { return window_.Time(); }

}  // namespace k9r
