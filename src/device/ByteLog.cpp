#include "device/ByteLog.h"

#include <iomanip>
#include <ostream>

namespace k9r {

std::string SpacedHex(const Bytes& bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t byte : bytes) {
    if (!text.empty()) text += ' ';
    text += kHex[byte >> 4];
    text += kHex[byte & 0xF];
  }
  return text;
}

std::vector<std::string> ByteLog::Notes() const {
  std::vector<std::string> notes;
  for (const Entry& entry : entries_) {
    if (entry.kind == Kind::Note) notes.push_back(entry.text);
  }
  return notes;
}

void ByteLog::Print(std::ostream& out) const {
  for (const Entry& entry : entries_) {
    out << std::setw(9) << entry.timeMs << " ms  ";
    switch (entry.kind) {
      case Kind::Sent: out << "> " << SpacedHex(entry.bytes); break;
      case Kind::Received: out << "< " << SpacedHex(entry.bytes); break;
      case Kind::Port: out << "= " << entry.text; break;
      case Kind::Note: out << "# " << entry.text; break;
    }
    out << '\n';
  }
}

void LoggingSerialPort::PortEvent(std::string text) {
  log_.Add({clock_.NowMs(), ByteLog::Kind::Port, {}, std::move(text)});
}

void LoggingSerialPort::Note(std::string text) {
  log_.Add({clock_.NowMs(), ByteLog::Kind::Note, {}, std::move(text)});
}

bool LoggingSerialPort::Open(const std::string& device, const LineSettings& settings) {
  const bool opened = port_.Open(device, settings);
  PortEvent(opened ? "open " + device : "open " + device + " failed: " + port_.LastError().description);
  return opened;
}

void LoggingSerialPort::Close() {
  if (!port_.IsOpen()) return;
  port_.Close();
  PortEvent("close");
}

bool LoggingSerialPort::SetDtr(bool on) {
  const bool done = port_.SetDtr(on);
  PortEvent(std::string("DTR ") + (on ? "on" : "off") + (done ? "" : " (not driven)"));
  return done;
}

bool LoggingSerialPort::SetRts(bool on) {
  const bool done = port_.SetRts(on);
  PortEvent(std::string("RTS ") + (on ? "on" : "off") + (done ? "" : " (not driven)"));
  return done;
}

void LoggingSerialPort::DiscardInput() {
  const std::size_t dropped = port_.BytesWaiting();
  port_.DiscardInput();
  PortEvent("discard input" + (dropped ? " (" + std::to_string(dropped) + " bytes dropped)" : std::string()));
}

void LoggingSerialPort::DiscardOutput() {
  port_.DiscardOutput();
  PortEvent("discard output");
}

Bytes LoggingSerialPort::Read(std::size_t maxBytes) {
  Bytes bytes = port_.Read(maxBytes);
  if (!bytes.empty()) log_.Add({clock_.NowMs(), ByteLog::Kind::Received, bytes, {}});
  return bytes;
}

bool LoggingSerialPort::Write(const Bytes& bytes) {
  const bool written = port_.Write(bytes);
  if (written) {
    log_.Add({clock_.NowMs(), ByteLog::Kind::Sent, bytes, {}});
  } else {
    PortEvent("write of " + std::to_string(bytes.size()) + " bytes failed: " + port_.LastError().description);
  }
  return written;
}

}  // namespace k9r
