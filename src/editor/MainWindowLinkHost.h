#pragma once

#include "device/LinkHost.h"

namespace k9r {

class MainWindow;

// The main window as the device link sees it: the grid, the port list,
// the progress bar, the model type, the repair flag and the language texts.
class MainWindowLinkHost : public LinkHost {
 public:
  explicit MainWindowLinkHost(MainWindow& window) : window_(window) {}

  std::string SetupCellText(int cell) override;
  void SetSetupCellText(int cell, const std::string& text) override;
  std::vector<std::string> PortListItems() override;
  int PortListIndex() override;
  void SetPortListIndex(int index) override;
  std::string PortListText() override;
  void SetMainProgress(int value) override;
  std::string RC_MODETYPES() override;
  int FIX430F149AACLEANERROR() override;
  void SetFIX430F149AACLEANERROR(int value) override;
  std::string LOADTEXT(int number) override;
  UserInterface& Ui() override;
  Clock& Time() override;

 private:
  MainWindow& window_;
};

}  // namespace k9r
