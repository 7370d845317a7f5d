#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "device/SerialPort.h"
#include "sim/LoaderEngine.h"

namespace k9r::sim {

// A serial port in memory with the simulated unit behind it, on virtual
// time: bytes take their line time in both directions, and the unit works
// on them whenever the clock is pumped. Opening the port is an entry into
// the loader.
class FakeSerialPort : public SerialPort {
 public:
  // Changes a reply of the unit before it goes on the line (tests use it
  // for units that misbehave in ways the engine has no fault for).
  using ReplyFilter = std::function<Bytes(const LoaderEngine& engine, Bytes reply)>;
  struct LineChange {
    bool isDtr = false;
    bool on = false;
  };

  FakeSerialPort(VirtualClock& clock, LoaderEngine& engine, std::string device = "/dev/ttyS0");

  bool Open(const std::string& device, const LineSettings& settings) override;
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  bool SetDtr(bool on) override;
  bool SetRts(bool on) override;
  void DiscardInput() override;
  void DiscardOutput() override { toUnit_.clear(); }
  std::size_t BytesWaiting() override;
  Bytes Read(std::size_t maxBytes) override;
  bool Write(const Bytes& bytes) override;
  PortError LastError() const override { return lastError_; }

  void SetInUse(bool inUse) { inUse_ = inUse; }
  void SetReplyFilter(ReplyFilter filter) { replyFilter_ = std::move(filter); }
  const std::vector<LineChange>& LineChanges() const { return lineChanges_; }
  int OpenCount() const { return openCount_; }

 private:
  struct TimedByte {
    std::uint64_t dueUs;
    std::uint8_t value;
  };

  std::uint64_t NowUs() const { return std::uint64_t{clock_.NowMs()} * 1000; }
  void Deliver();

  VirtualClock& clock_;
  LoaderEngine& engine_;
  std::string device_;
  bool open_ = false;
  bool inUse_ = false;
  int openCount_ = 0;
  PortError lastError_;
  std::deque<TimedByte> toUnit_;
  std::deque<TimedByte> toHost_;
  std::uint64_t toUnitFreeUs_ = 0;
  std::uint64_t toHostFreeUs_ = 0;
  ReplyFilter replyFilter_;
  std::vector<LineChange> lineChanges_;
};

}  // namespace k9r::sim
