#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k9r {

// The number n of the port selector means COMn. On Linux COMn is the
// built-in port /dev/ttyS(n-1); a port may also be named by its device path
// (a USB adapter is /dev/ttyUSB0, the simulated unit a /dev/pts/N).
std::optional<int> ComPortNumber(std::string_view name);  // "COM3" -> 3
std::string DeviceForPortName(const std::string& name);

// The device the link opens for port number `portNumber`: the item of the
// port list at that position when there is one, else COM<portNumber>.
std::string DeviceForPortNumber(int portNumber, const std::vector<std::string>& portList);

struct PortInfo {
  std::string name;         // what to open
  std::string description;  // "USB-Serial Controller", for the selector
};

// The machine's serial ports as the system lists them (libserialport).
std::vector<PortInfo> ListSerialPorts();

}  // namespace k9r
