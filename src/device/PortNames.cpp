#include "device/PortNames.h"

#include <libserialport.h>

#include <cctype>

namespace k9r {

std::optional<int> ComPortNumber(std::string_view name) {
  if (name.size() < 4 || name.size() > 6) return std::nullopt;
  for (std::size_t i = 0; i < 3; ++i) {
    if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return std::nullopt;
  }
  int number = 0;
  for (char c : name.substr(3)) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number < 1) return std::nullopt;
  return number;
}

std::string DeviceForPortName(const std::string& name) {
  const auto number = ComPortNumber(name);
  if (!number) return name;
#ifdef _WIN32
  return "\\\\.\\COM" + std::to_string(*number);
#else
  return "/dev/ttyS" + std::to_string(*number - 1);
#endif
}

std::string DeviceForPortNumber(int portNumber, const std::vector<std::string>& portList) {
  const auto index = static_cast<std::size_t>(portNumber - 1);
  if (portNumber >= 1 && index < portList.size() && !portList[index].empty()) {
    return DeviceForPortName(portList[index]);
  }
  return DeviceForPortName("COM" + std::to_string(portNumber));
}

std::vector<PortInfo> ListSerialPorts() {
  std::vector<PortInfo> ports;
  sp_port** list = nullptr;
  if (sp_list_ports(&list) != SP_OK) return ports;
  for (sp_port** port = list; *port != nullptr; ++port) {
    const char* name = sp_get_port_name(*port);
    const char* description = sp_get_port_description(*port);
    ports.push_back({name ? name : "", description ? description : ""});
  }
  sp_free_port_list(list);
  return ports;
}

}  // namespace k9r
