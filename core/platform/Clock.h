#pragma once

namespace quendal {

// A reading of the local wall clock.
struct LocalTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Reads the clock anew on every call; callers that need two fields read twice where
  // the program's steps do, so a second boundary between the reads is seen as it is.
  virtual LocalTime Now() = 0;
};

}  // namespace quendal
