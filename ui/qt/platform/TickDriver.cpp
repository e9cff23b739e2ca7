#include "ui/qt/platform/TickDriver.h"

#include "ui/qt/platform/EventGate.h"

namespace quendal {

TickDriver::TickDriver(Clock& clock, EventGate& gate, std::function<bool()> enabled,
                       std::function<void()> tick)
    : SecondTimer(clock, gate, {std::move(enabled), std::move(tick)}) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { Wake(); });
}

}  // namespace quendal
