#include "core/Clock.h"

#include <chrono>
#include <thread>

namespace k9r {

void WaitMilliseconds(Clock& clock, std::int32_t ms) {
  const std::uint32_t start = clock.NowMs();
  const auto limit = static_cast<std::uint32_t>(ms < 0 ? 0 : ms);
  do {
    clock.Pump();
  } while (static_cast<std::uint32_t>(clock.NowMs() - start) <= limit);
}

SteadyClock::SteadyClock(std::function<void()> pumpEvents) : pumpEvents_(std::move(pumpEvents)) {}

std::uint32_t SteadyClock::NowMs() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SteadyClock::Pump() {
  if (pumpEvents_) pumpEvents_();
  // Without a yield the wait would spin a core at full load.
  std::this_thread::sleep_for(std::chrono::microseconds(500));
}

void VirtualClock::Pump() { Advance(1); }

void VirtualClock::Advance(std::uint32_t ms) {
  nowMs_ += ms;
  if (onPump_) onPump_();
}

void VirtualClock::OnPump(std::function<void()> observer) { onPump_ = std::move(observer); }

}  // namespace k9r
