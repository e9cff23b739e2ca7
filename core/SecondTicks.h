#pragma once

#include "core/platform/Clock.h"

namespace quendal {

// When the one-second ticks of a desktop's timer fall due: at each whole second of the
// clock, as soon as it can and never before it, so a scheduled announcement starts on
// its second and the handlers never read the second before. The timer adapter arms its
// timer with Arm at the start and at every wake-up, and runs the tick only when Due.
class SecondTicks {
 public:
  // Milliseconds from the reading `now` to the clock's next whole second, 1 to 1000;
  // that second is the one the timer now waits for.
  int Arm(const LocalTime& now);

  // False for a wake-up that still reads the second the timer was armed in: it came
  // early and must wait for the rest. A clock set back counts as a new second.
  bool Due(const LocalTime& now) const;

 private:
  LocalTime armedIn_;
};

}  // namespace quendal
