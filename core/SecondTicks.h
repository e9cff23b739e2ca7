#pragma once

#include <functional>

#include "core/platform/Clock.h"

namespace quendal {

class HandlerGate;

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

// What the ticks run: `run`, once `enabled` says the load sequence has started the timers.
struct TickHandler {
  std::function<bool()> enabled;
  std::function<void()> run;
};

// The one-second ticks on a toolkit's one-shot timer, at the clock's whole seconds as
// SecondTicks rules: each is armed anew from the clock, so the program sees every second
// once and drift never accumulates. A tick falling due during a pause is dropped; one
// falling due while a handler waits in a message box runs nested, as the controller
// expects. The toolkit's adapter only arms its timer (ArmTimer) and calls Wake when it
// fires.
class SecondTimer {
 public:
  void Start();
  void Start(TickHandler handler);

 protected:
  SecondTimer(Clock& clock, HandlerGate& gate, TickHandler handler)
      : clock_(clock), gate_(gate), handler_(std::move(handler)) {}
  ~SecondTimer() = default;
  SecondTimer(const SecondTimer&) = delete;
  SecondTimer& operator=(const SecondTimer&) = delete;

  void Wake();

 private:
  // `ms` from now, in place of any wake-up armed before.
  virtual void ArmTimer(int ms) = 0;

  Clock& clock_;
  HandlerGate& gate_;
  TickHandler handler_;
  SecondTicks seconds_;
};

}  // namespace quendal
