#pragma once

#include <array>

#include "device/LinkHost.h"

namespace k9r {

// The link's host without a main window: plain values that the command
// line and the tests set and read.
class StandaloneLinkHost : public LinkHost {
 public:
  StandaloneLinkHost(UserInterface& ui, Clock& clock) : ui_(ui), clock_(clock) {}

  std::array<std::string, 256> cells;
  std::vector<std::string> portList{"COM1"};
  int portIndex = 0;
  int mainProgress = 0;
  std::string modelTypes = " K9R";
  int repairFlag = 0;
  std::array<std::string, 46> loadTexts;

  // Cells 128-255 as 256 hex digits (an empty cell reads as FF).
  std::string UpperHalfText() const;

  std::string SetupCellText(int cell) override { return cells.at(static_cast<std::size_t>(cell)); }
  void SetSetupCellText(int cell, const std::string& text) override { cells.at(static_cast<std::size_t>(cell)) = text; }
  std::vector<std::string> PortListItems() override { return portList; }
  int PortListIndex() override { return portIndex; }
  void SetPortListIndex(int index) override { portIndex = index; }
  std::string PortListText() override;
  void SetMainProgress(int value) override { mainProgress = value; }
  std::string RC_MODETYPES() override { return modelTypes; }
  int FIX430F149AACLEANERROR() override { return repairFlag; }
  void SetFIX430F149AACLEANERROR(int value) override { repairFlag = value; }
  std::string LOADTEXT(int number) override { return loadTexts.at(static_cast<std::size_t>(number)); }
  UserInterface& Ui() override { return ui_; }
  Clock& Time() override { return clock_; }

 private:
  UserInterface& ui_;
  Clock& clock_;
};

}  // namespace k9r
