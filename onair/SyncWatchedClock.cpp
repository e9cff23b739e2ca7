#include "onair/SyncWatchedClock.h"

namespace quendal::onair {

LocalTime SyncWatchedClock::Now() {
  const LocalTime now = clock_.Now();
  const auto hour = std::tuple(now.year, now.month, now.day, now.hour);
  if (log_.Enabled() && askedInHour_ != hour) {
    askedInHour_ = hour;
    if (sync_.Synchronised() == false) log_.Write(kClockNotSynchronised);
  }
  return now;
}

}  // namespace quendal::onair
