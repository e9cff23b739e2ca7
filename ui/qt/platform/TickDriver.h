#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "core/SecondTicks.h"
#include "core/platform/Clock.h"

namespace quendal {

class EventGate;

// The one-second ticks on a precise Qt timer, at the clock's whole seconds as
// SecondTicks rules: each is armed anew from the clock, so the program sees every second
// once and drift never accumulates. A tick falling due during a pause is dropped; one
// falling due while a handler waits in a message box runs nested, as the controller
// expects.
class TickDriver final : public QObject {
  Q_OBJECT

 public:
  TickDriver(Clock& clock, EventGate& gate, std::function<bool()> enabled,
             std::function<void()> tick);

  void Start();

 private:
  void Fire();

  Clock& clock_;
  EventGate& gate_;
  std::function<bool()> enabled_;
  std::function<void()> tick_;
  QTimer timer_;
  SecondTicks seconds_;
};

}  // namespace quendal
