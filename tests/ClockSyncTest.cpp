// The on-air log's one line about the system clock, with the kernel's answer given.
#include <gtest/gtest.h>

#include <sstream>

#include "onair/SyncWatchedClock.h"
#include "platform/SystemClockSync.h"
#include "tests/support/Fakes.h"

namespace quendal::test {
namespace {

struct ScriptedSync final : ClockSync {
  std::optional<bool> answer;
  int asked = 0;
  std::optional<bool> Synchronised() override {
    ++asked;
    return answer;
  }
};

TEST(SyncWatchedClock, asksAtStartAndOnEachNewHourAndLogsOnlyAnUnsynchronisedClock) {
  FakeClock clock;
  ScriptedSync sync;
  std::ostringstream out;
  onair::OnAirLog log(clock, &out);
  onair::SyncWatchedClock watched(clock, sync, log);
  struct Reading {
    LocalTime at;
    std::optional<bool> kernel;
    int asked;  // so far
    std::string log;
  };
  const Reading readings[] = {
      {{2026, 12, 7, 13, 59, 58}, false, 1, "2026-12-07T13:59:58.000 Relógio não sincronizado\n"},
      {{2026, 12, 7, 13, 59, 59}, false, 1, ""},
      {{2026, 12, 7, 14, 0, 0}, true, 2, ""},
      {{2026, 12, 7, 14, 30, 1}, false, 2, ""},
      {{2026, 12, 7, 15, 0, 1}, std::nullopt, 3, ""},  // the system does not say
      {{2026, 12, 8, 15, 0, 0}, false, 4, "2026-12-08T15:00:00.000 Relógio não sincronizado\n"},
  };
  for (const Reading& reading : readings) {
    clock.now = reading.at;
    sync.answer = reading.kernel;
    out.str("");
    EXPECT_EQ(watched.Now().minute, reading.at.minute);
    EXPECT_EQ(sync.asked, reading.asked) << reading.at.hour << ":" << reading.at.minute;
    EXPECT_EQ(out.str(), reading.log) << reading.at.hour << ":" << reading.at.minute;
  }
}

#ifdef __linux__
TEST(SystemClockSync, hasTheKernelsAnswer) {
  EXPECT_NE(SystemClockSync().Synchronised(), std::nullopt);
}
#endif

}  // namespace
}  // namespace quendal::test
