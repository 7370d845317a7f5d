#include "editor/PortSelector.h"

#include <algorithm>

#include "device/PortNames.h"
#include "device/RW.h"
#include "editor/MainWindow.h"
#include "files/ProgramSettings.h"

namespace k9r {

PortSelector::PortSelector(MainWindow& window) : window_(window) {
  ControlSet& controls = window.Controls();
  controls.Add<Frame>("COM_SETUP", "COM PORT");
  std::vector<std::string> items;
  for (int number = 1; number <= kComPortCount; ++number) items.push_back("COM" + std::to_string(number));
  Choice& list = controls.Add<Choice>("COM_PORT_SETUP", std::move(items));
  list.SetText(kDesignText);
  list.OnSelect([this] { COM_PORT_SETUP_Click(); });
  controls.Add<Label>("LINK_NOTE").SetVisible(false);
  window.SetPortSettingHandler([this](const PortSetting& setting) { ShowSavedPort(setting); });
}

Choice& PortSelector::COM_PORT_SETUP() const { return window_.Controls().Get<Choice>("COM_PORT_SETUP"); }

Frame& PortSelector::COM_SETUP() const { return window_.Controls().Get<Frame>("COM_SETUP"); }

Label& PortSelector::LINK_NOTE() const { return window_.Controls().Get<Label>("LINK_NOTE"); }

void PortSelector::SetNote(const std::string& note) {
  LINK_NOTE().SetCaption(note);
  LINK_NOTE().SetVisible(!note.empty());
}

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
  const std::string device = DeviceForPortName(name);
  const auto& items = COM_PORT_SETUP().Items();
  const auto found = std::find_if(items.begin(), items.end(),
                                  [&](const std::string& item) { return DeviceForPortName(item) == device; });
  SelectWithoutRemembering(static_cast<int>(found - items.begin()));
}

void PortSelector::ShowSavedPort(const PortSetting& setting) {
  Choice& list = COM_PORT_SETUP();
  SelectWithoutRemembering(0);  // "COM1"
  if (!setting.devicePath.empty()) {
    ShowPortForThisRun(setting.devicePath);
    return;
  }
  // A number beyond the list still goes to the link, while the list keeps
  // showing COM1.
  if (setting.number <= list.ListCount()) SelectWithoutRemembering(setting.number - 1);
  window_.Rw().zzz = setting.number;
}

void PortSelector::SelectWithoutRemembering(int index) {
  rememberChoice_ = false;
  COM_PORT_SETUP().Select(index);
  rememberChoice_ = true;
}

void PortSelector::COM_PORT_SETUP_Click() {
  RW& link = window_.Rw();
  link.MSComm1().Close();
  const int number = COM_PORT_SETUP().Index() + 1;
  link.zzz = number;
  if (!rememberChoice_ || number < 1) return;
  // A COM port is remembered by its number, any other port by its path.
  if (number <= kComPortCount) {
    window_.Settings().WritePort(number);
  } else {
    window_.Settings().WritePortPath(COM_PORT_SETUP().Text());
  }
}

}  // namespace k9r
