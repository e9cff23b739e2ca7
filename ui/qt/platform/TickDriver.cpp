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

void TickDriver::Start() { Arm(); }

void TickDriver::Arm() { timer_.start(DelayFrom(clock_.Now().millisecond)); }

void TickDriver::Fire() {
  const Second now = SecondOf(clock_.Now());
  // Armed before the handlers run, so ticks keep coming while one waits in a message box.
  Arm();
  if (gate_.Paused() || !enabled_() || lastTicked_ == now) return;
  lastTicked_ = now;
  gate_.Run(tick_);
}

}  // namespace quendal
