#pragma once

#include <optional>
#include <tuple>

#include "core/platform/Clock.h"
#include "core/platform/ClockSync.h"
#include "onair/OnAirLog.h"

namespace quendal::onair {

// The program's clock, read through. On its first reading, and on the first reading of
// every hour after it, it asks the system whether its clock is synchronised, and when it
// is not, writes "Relógio não sincronizado" to the on-air log; nothing else changes. The
// controller reads the clock every second, so the question comes at start and on each
// full hour, and only while there is a log to write it to.
class SyncWatchedClock final : public Clock {
 public:
  SyncWatchedClock(Clock& clock, ClockSync& sync, OnAirLog& log)
      : clock_(clock), sync_(sync), log_(log) {}

  LocalTime Now() override;

 private:
  Clock& clock_;
  ClockSync& sync_;
  OnAirLog& log_;
  std::optional<std::tuple<int, int, int, int>> askedInHour_;
};

inline constexpr const char* kClockNotSynchronised = "Relógio não sincronizado";

}  // namespace quendal::onair
