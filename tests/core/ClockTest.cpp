#include "core/Clock.h"

#include <gtest/gtest.h>

namespace k9r {
namespace {

TEST(WaitMillisecondsTest, WaitsLongerThanAsked) {
  VirtualClock clock(1000);
  WaitMilliseconds(clock, 250);
  EXPECT_EQ(clock.NowMs(), 1251u);
}

TEST(WaitMillisecondsTest, ZeroWaitsForOneTick) {
  VirtualClock clock(5);
  WaitMilliseconds(clock, 0);
  EXPECT_EQ(clock.NowMs(), 6u);
}

TEST(WaitMillisecondsTest, SurvivesTheCounterWrapping) {
  VirtualClock clock(0xFFFFFFF0u);
  WaitMilliseconds(clock, 100);
  EXPECT_EQ(clock.NowMs(), 0xFFFFFFF0u + 101u);
}

TEST(WaitMillisecondsTest, PumpsEventsWhileWaiting) {
  VirtualClock clock;
  int pumped = 0;
  clock.OnPump([&] { ++pumped; });
  WaitMilliseconds(clock, 9);
  EXPECT_EQ(pumped, 10);
}

}  // namespace
}  // namespace k9r
