#pragma once

#include "core/Clock.h"

namespace k9r {

// A script runs on virtual time, so that a device write against the demo
// unit takes no time at all; once it talks to a real port the unit's
// replies set the pace and the clock is real.
class ScriptClock : public Clock {
 public:
  std::uint32_t NowMs() override { return real_ ? steady_.NowMs() : virtual_.NowMs(); }
  void Pump() override { real_ ? steady_.Pump() : virtual_.Pump(); }

  VirtualClock& Virtual() { return virtual_; }
  void UseRealTime(bool real) { real_ = real; }

 private:
  VirtualClock virtual_;
  SteadyClock steady_;
  bool real_ = false;
};

}  // namespace k9r
