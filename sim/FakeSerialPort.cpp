#include "sim/FakeSerialPort.h"

#include <algorithm>

#include "sim/LinePacing.h"

namespace k9r::sim {

FakeSerialPort::FakeSerialPort(VirtualClock& clock, LoaderEngine& engine, std::string device)
    : clock_(clock), engine_(engine), device_(std::move(device)) {
  clock_.OnPump([this] { Deliver(); });
}

bool FakeSerialPort::Open(const std::string& device, const LineSettings& /*settings*/) {
  if (device != device_) {
    lastError_ = {2, "cannot open " + device + ": No such file or directory"};
    return false;
  }
  if (inUse_) {
    lastError_ = {16, device + " is in use: Device or resource busy"};
    return false;
  }
  open_ = true;
  ++openCount_;
  toUnit_.clear();
  toHost_.clear();
  engine_.EnterLoader();
  return true;
}

bool FakeSerialPort::SetDtr(bool on) {
  if (!open_) return false;
  lineChanges_.push_back({true, on});
  return true;
}

bool FakeSerialPort::SetRts(bool on) {
  if (!open_) return false;
  lineChanges_.push_back({false, on});
  return true;
}

void FakeSerialPort::DiscardInput() {
  const std::uint64_t now = NowUs();
  std::erase_if(toHost_, [now](const TimedByte& byte) { return byte.dueUs <= now; });
}

std::size_t FakeSerialPort::BytesWaiting() {
  const std::uint64_t now = NowUs();
  return static_cast<std::size_t>(
      std::count_if(toHost_.begin(), toHost_.end(), [now](const TimedByte& byte) { return byte.dueUs <= now; }));
}

Bytes FakeSerialPort::Read(std::size_t maxBytes) {
  Bytes bytes;
  const std::uint64_t now = NowUs();
  while (open_ && !toHost_.empty() && toHost_.front().dueUs <= now && bytes.size() < maxBytes) {
    bytes.push_back(toHost_.front().value);
    toHost_.pop_front();
  }
  return bytes;
}

bool FakeSerialPort::Write(const Bytes& bytes) {
  if (!open_) {
    lastError_ = {9, "the port is not open: Bad file descriptor"};
    return false;
  }
  for (std::uint8_t value : bytes) {
    toUnitFreeUs_ = std::max(toUnitFreeUs_, NowUs()) + kByteTimeUs;
    toUnit_.push_back({toUnitFreeUs_, value});
  }
  return true;
}

void FakeSerialPort::Deliver() {
  const std::uint64_t now = NowUs();
  while (open_ && !toUnit_.empty() && toUnit_.front().dueUs <= now) {
    const std::uint8_t value = toUnit_.front().value;
    toUnit_.pop_front();
    Bytes reply = engine_.Receive(value);
    if (replyFilter_ && !reply.empty()) reply = replyFilter_(engine_, std::move(reply));
    for (std::uint8_t answer : reply) {
      toHostFreeUs_ = std::max(toHostFreeUs_, now) + kByteTimeUs;
      toHost_.push_back({toHostFreeUs_, answer});
    }
  }
}

}  // namespace k9r::sim
