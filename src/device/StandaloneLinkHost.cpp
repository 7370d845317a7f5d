#include "device/StandaloneLinkHost.h"

namespace k9r {

std::string StandaloneLinkHost::UpperHalfText() const {
  std::string text;
  for (std::size_t cell = 128; cell < cells.size(); ++cell) text += cells[cell].empty() ? "FF" : cells[cell];
  return text;
}

std::string StandaloneLinkHost::PortListText() {
  if (portIndex < 0 || static_cast<std::size_t>(portIndex) >= portList.size()) return {};
  return portList[static_cast<std::size_t>(portIndex)];
}

}  // namespace k9r
