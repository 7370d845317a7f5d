#pragma once

#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/UserInterface.h"

namespace k9r {

// What the device link needs from the main window, and nothing more. The
// main window implements it; the command line and the tests use
// StandaloneLinkHost.
class LinkHost {
 public:
  virtual ~LinkHost() = default;

  // The grid SETUP_DATA_TXTBOX; the link touches cells 128-255 only.
  virtual std::string SetupCellText(int cell) = 0;
  virtual void SetSetupCellText(int cell, const std::string& text) = 0;

  // The port list COM_PORT_SETUP: its items, its list position (-1 for no
  // selection) and its text.
  virtual std::vector<std::string> PortListItems() = 0;
  virtual int PortListIndex() = 0;
  virtual void SetPortListIndex(int index) = 0;
  virtual std::string PortListText() = 0;

  // The main window's progress bar ProgressBar1 (0-100).
  virtual void SetMainProgress(int value) = 0;
  // The model-type text RC_MODETYPES (" K9R", " K9R-16A/B", "ERROR TYPE").
  virtual std::string RC_MODETYPES() = 0;
  // 1 while the main window repairs an erased unit.
  virtual int FIX430F149AACLEANERROR() = 0;
  virtual void SetFIX430F149AACLEANERROR(int value) = 0;
  // The language texts LOADTEXT(0-45); empty when the language file has none.
  virtual std::string LOADTEXT(int number) = 0;

  virtual UserInterface& Ui() = 0;
  virtual Clock& Time() = 0;
};

}  // namespace k9r
