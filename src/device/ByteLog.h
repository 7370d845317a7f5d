#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "device/SerialPort.h"

namespace k9r {

// Every byte that crossed the line, with its direction and time, plus what
// happened to the port and the link's own diagnostic notes. When a unit
// misbehaves this is the first thing to read.
class ByteLog {
 public:
  enum class Kind { Sent, Received, Port, Note };
  struct Entry {
    std::uint32_t timeMs = 0;
    Kind kind = Kind::Note;
    Bytes bytes;       // Sent / Received
    std::string text;  // Port / Note
  };

  void Add(Entry entry) { entries_.push_back(std::move(entry)); }
  const std::vector<Entry>& Entries() const { return entries_; }
  void Clear() { entries_.clear(); }
  // The notes only, in order (what the link had to say).
  std::vector<std::string> Notes() const;
  // One line per entry: "  12345 ms  > 80 14 04 04", "<" for received,
  // "=" for port events and "#" for notes.
  void Print(std::ostream& out) const;

 private:
  std::vector<Entry> entries_;
};

std::string SpacedHex(const Bytes& bytes);

// A port that writes everything passing through it into a ByteLog.
class LoggingSerialPort : public SerialPort {
 public:
  LoggingSerialPort(SerialPort& port, Clock& clock, ByteLog& log) : port_(port), clock_(clock), log_(log) {}

  bool Open(const std::string& device, const LineSettings& settings) override;
  void Close() override;
  bool IsOpen() const override { return port_.IsOpen(); }
  bool SetDtr(bool on) override;
  bool SetRts(bool on) override;
  void DiscardInput() override;
  void DiscardOutput() override;
  std::size_t BytesWaiting() override { return port_.BytesWaiting(); }
  Bytes Read(std::size_t maxBytes) override;
  bool Write(const Bytes& bytes) override;
  PortError LastError() const override { return port_.LastError(); }

  void Note(std::string text);

 private:
  void PortEvent(std::string text);

  SerialPort& port_;
  Clock& clock_;
  ByteLog& log_;
};

}  // namespace k9r
