#pragma once

#include <cstdint>

#include "core/platform/Clock.h"

namespace quendal::win32 {

// The local wall clock, shifted by a fixed offset so the program can be started at a
// chosen time of day and run on from there in real time.
class Win32Clock final : public Clock {
 public:
  explicit Win32Clock(std::int64_t offsetMs = 0) : offsetMs_(offsetMs) {}

  LocalTime Now() override;

  // The offset that makes the clock read `secondsFromMidnight` now, on the same date.
  static std::int64_t OffsetTo(std::int64_t secondsFromMidnight);

 private:
  std::int64_t offsetMs_;
};

}  // namespace quendal::win32
