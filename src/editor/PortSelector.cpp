#include "editor/PortSelector.h"

#include <algorithm>

#include "device/PortNames.h"
#include "device/RW.h"
#include "editor/MainWindow.h"

namespace k9r {

PortSelector::PortSelector(MainWindow& window) : window_(window) {
  ControlSet& controls = window.Controls();
  controls.Add<Frame>("COM_SETUP", "COM PORT");
  std::vector<std::string> items;
  for (int number = 1; number <= kComPortCount; ++number) items.push_back("COM" + std::to_string(number));
  Choice& list = controls.Add<Choice>("COM_PORT_SETUP", std::move(items));
  list.SetText(kDesignText);
  list.OnSelect([this] { COM_PORT_SETUP_Click(); });
}

Choice& PortSelector::COM_PORT_SETUP() const { return window_.Controls().Get<Choice>("COM_PORT_SETUP"); }

Frame& PortSelector::COM_SETUP() const { return window_.Controls().Get<Frame>("COM_SETUP"); }

void PortSelector::AddPorts(const std::vector<std::string>& names) {
  Choice& list = COM_PORT_SETUP();
  for (const std::string& name : names) {
    const std::string device = DeviceForPortName(name);
    const auto& items = list.Items();
    const bool listed = std::any_of(items.begin(), items.end(),
                                    [&](const std::string& item) { return DeviceForPortName(item) == device; });
    if (!listed) list.AddItem(name);
  }
}

void PortSelector::ShowPortForThisRun(const std::string& name) {
  AddPorts({name});
  Choice& list = COM_PORT_SETUP();
  const std::string device = DeviceForPortName(name);
  const auto& items = list.Items();
  const auto found = std::find_if(items.begin(), items.end(),
                                  [&](const std::string& item) { return DeviceForPortName(item) == device; });
  rememberChoice_ = false;
  list.Select(static_cast<int>(found - items.begin()));
  rememberChoice_ = true;
}

void PortSelector::COM_PORT_SETUP_Click() {
  RW& link = window_.Rw();
  link.MSComm1().Close();
  link.zzz = COM_PORT_SETUP().Index() + 1;
}

}  // namespace k9r
