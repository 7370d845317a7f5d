#pragma once

#include <cstdint>
#include <functional>

namespace k9r {

// Millisecond tick counter plus "process pending events". The window pumps
// Qt events; tests and the command line run on virtual time.
class Clock {
 public:
  virtual ~Clock() = default;
  // A 32-bit millisecond tick count; it may wrap.
  virtual std::uint32_t NowMs() = 0;
  // Processes pending events; on virtual time this is what lets time pass.
  virtual void Pump() = 0;
};

// Returns after more than ms milliseconds, pumping events meanwhile. The
// elapsed time is taken modulo 2^32, so a wrap of the counter is harmless.
void WaitMilliseconds(Clock& clock, std::int32_t ms);

// Real time; Pump runs the given event pump (Qt's, in the window).
class SteadyClock : public Clock {
 public:
  explicit SteadyClock(std::function<void()> pumpEvents = {});
  std::uint32_t NowMs() override;
  void Pump() override;

 private:
  std::function<void()> pumpEvents_;
};

// Time that moves only when pumped: each Pump advances one millisecond and
// then runs the observers (the simulated unit works on its input there).
class VirtualClock : public Clock {
 public:
  explicit VirtualClock(std::uint32_t startMs = 0) : nowMs_(startMs) {}
  std::uint32_t NowMs() override { return nowMs_; }
  void Pump() override;
  void Advance(std::uint32_t ms);
  void OnPump(std::function<void()> observer);

 private:
  std::uint32_t nowMs_;
  std::function<void()> onPump_;
};

}  // namespace k9r
