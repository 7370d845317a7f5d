#pragma once

#include <string>
#include <vector>

#include "editor/Controls.h"

namespace k9r {

class MainWindow;
struct PortSetting;

// The port selector COM_PORT_SETUP in the frame COM_SETUP: COM1-COM16 as
// the technicians know them, then serial ports by device path (the
// machine's own ports, a demo unit's terminal). The link opens the port at
// list position + 1 (zzz), so a device path item is opened by its path.
class PortSelector {
 public:
  static constexpr int kComPortCount = 16;
  static constexpr const char* kDesignText = "COMPORT";

  explicit PortSelector(MainWindow& window);

  Choice& COM_PORT_SETUP() const;
  Frame& COM_SETUP() const;
  // A short line under the list about the port in use (LINK_NOTE);
  // hidden while empty.
  Label& LINK_NOTE() const;
  void SetNote(const std::string& note);

  // Appends the ports the list does not hold yet (COMn of COM1-COM16 and
  // their device paths are there already).
  void AddPorts(const std::vector<std::string>& names);
  // Shows a port chosen for this run only (on the command line, or the demo
  // unit's terminal): the link uses it, but it is not remembered as the
  // user's port for the next start. Adds a device path the list lacks.
  void ShowPortForThisRun(const std::string& name);

 private:
  // Start-up shows the port of setupCOM.txt and hands its number to the
  // link; showing it is no new choice, so nothing is written back.
  void ShowSavedPort(const PortSetting& setting);
  void SelectWithoutRemembering(int index);
  void COM_PORT_SETUP_Click();

  MainWindow& window_;
  bool rememberChoice_ = true;
};

}  // namespace k9r
