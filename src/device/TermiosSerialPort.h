#pragma once

#include "device/SerialPort.h"

namespace k9r {

// A serial port on a POSIX device path: USB adapters, built-in ports and
// pseudo-terminals alike. A pseudo-terminal has no modem lines and ignores
// parity; those steps fail quietly and the caller goes on.
class TermiosSerialPort : public SerialPort {
 public:
  TermiosSerialPort() = default;
  ~TermiosSerialPort() override;
  TermiosSerialPort(const TermiosSerialPort&) = delete;
  TermiosSerialPort& operator=(const TermiosSerialPort&) = delete;

  bool Open(const std::string& device, const LineSettings& settings) override;
  void Close() override;
  bool IsOpen() const override { return fd_ >= 0; }
  bool SetDtr(bool on) override;
  bool SetRts(bool on) override;
  void DiscardInput() override;
  void DiscardOutput() override;
  std::size_t BytesWaiting() override;
  Bytes Read(std::size_t maxBytes) override;
  bool Write(const Bytes& bytes) override;
  PortError LastError() const override { return lastError_; }

 private:
  bool SetModemLine(int line, bool on);
  bool Fail(const std::string& what);

  int fd_ = -1;
  PortError lastError_;
};

}  // namespace k9r
