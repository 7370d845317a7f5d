#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace k9r {

using Bytes = std::vector<std::uint8_t>;

// The line the loader speaks: 9600 baud, even parity, 8 data bits, 1 stop
// bit, no flow control.
struct LineSettings {
  int baud = 9600;
  char parity = 'E';  // 'N', 'E' or 'O'
  int dataBits = 8;
  int stopBits = 1;
};

// What the serial facility says about its last failure; the link shows it
// to the user as "Error Code : n   Descript :text".
struct PortError {
  int code = 0;
  std::string description;
};

// Exactly the operations the link needs from a serial port. The real one is
// a termios port on Linux (libserialport would be the one on Windows); tests
// use an in-memory port with the simulated unit behind it.
class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // device is a path ("/dev/ttyS0", "/dev/pts/3") or, on Windows, "COMn".
  virtual bool Open(const std::string& device, const LineSettings& settings) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // False when the line cannot be driven (a pseudo-terminal has no DTR/RTS).
  virtual bool SetDtr(bool on) = 0;
  virtual bool SetRts(bool on) = 0;
  virtual void DiscardInput() = 0;
  virtual void DiscardOutput() = 0;
  virtual std::size_t BytesWaiting() = 0;
  // Takes what has arrived, at most maxBytes; never blocks.
  virtual Bytes Read(std::size_t maxBytes) = 0;
  virtual bool Write(const Bytes& bytes) = 0;
  virtual PortError LastError() const = 0;
};

}  // namespace k9r
