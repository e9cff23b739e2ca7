#include "ui/qt/platform/TickDriver.h"

#include "ui/qt/platform/EventGate.h"

namespace quendal {

TickDriver::TickDriver(Clock& clock, EventGate& gate, std::function<bool()> enabled,
                       std::function<void()> tick)
    : clock_(clock), gate_(gate), enabled_(std::move(enabled)), tick_(std::move(tick)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &TickDriver::Fire);
}

void TickDriver::Start() { timer_.start(seconds_.Arm(clock_.Now())); }

void TickDriver::Fire() {
  const LocalTime now = clock_.Now();
  const bool due = seconds_.Due(now);
  // Armed before the handlers run, so ticks keep coming while one waits in a message box;
  // an early wake-up waits for the rest of its second.
  timer_.start(seconds_.Arm(now));
  if (!due || gate_.Paused() || !enabled_()) return;
  gate_.Run(tick_);
}

}  // namespace quendal
