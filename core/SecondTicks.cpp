#include "core/SecondTicks.h"

#include "core/HandlerGate.h"

namespace quendal {
namespace {

bool SameSecond(const LocalTime& a, const LocalTime& b) {
  return a.second == b.second && a.minute == b.minute && a.hour == b.hour && a.day == b.day &&
         a.month == b.month && a.year == b.year;
}

}  // namespace

int SecondTicks::Arm(const LocalTime& now) {
  armedIn_ = now;
  return 1000 - now.millisecond;
}

bool SecondTicks::Due(const LocalTime& now) const { return !SameSecond(now, armedIn_); }

void SecondTimer::Start() { ArmTimer(seconds_.Arm(clock_.Now())); }

void SecondTimer::Start(TickHandler handler) {
  handler_ = std::move(handler);
  Start();
}

void SecondTimer::Wake() {
  const LocalTime now = clock_.Now();
  const bool due = seconds_.Due(now);
  // Armed before the handlers run, so ticks keep coming while one waits in a message box;
  // an early wake-up waits for the rest of its second.
  ArmTimer(seconds_.Arm(now));
  if (!due || gate_.Paused() || !handler_.enabled || !handler_.enabled()) return;
  gate_.Run(handler_.run);
}

}  // namespace quendal
