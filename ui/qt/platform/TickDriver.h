#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "core/SecondTicks.h"

namespace quendal {

class EventGate;

// The one-second ticks on a precise single-shot Qt timer.
class TickDriver final : public QObject, public SecondTimer {
  Q_OBJECT

 public:
  TickDriver(Clock& clock, EventGate& gate, std::function<bool()> enabled = {},
             std::function<void()> tick = {});

 private:
  void ArmTimer(int ms) override { timer_.start(ms); }

  QTimer timer_;
};

}  // namespace quendal
