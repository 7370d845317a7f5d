#pragma once

#include "device/SerialPort.h"

namespace k9r {

// The link's port before a serial port is attached: it never opens, so
// every device operation ends as with a port that is not there.
class NoSerialPort : public SerialPort {
 public:
  bool Open(const std::string&, const LineSettings&) override { return false; }
  void Close() override {}
  bool IsOpen() const override { return false; }
  bool SetDtr(bool) override { return false; }
  bool SetRts(bool) override { return false; }
  void DiscardInput() override {}
  void DiscardOutput() override {}
  std::size_t BytesWaiting() override { return 0; }
  Bytes Read(std::size_t) override { return {}; }
  bool Write(const Bytes&) override { return false; }
  PortError LastError() const override { return {1, "no serial port is attached"}; }
};

}  // namespace k9r
