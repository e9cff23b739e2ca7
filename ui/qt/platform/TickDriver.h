#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "core/platform/Clock.h"

namespace quendal {

class EventGate;

// The one-second ticks, following the clock's seconds: each is armed anew for a few
// milliseconds after the next whole second, so the program sees every second once and
// drift never accumulates. A tick falling due during a pause is dropped; one falling due
// while a handler waits in a message box runs nested, as the controller expects.
class TickDriver final : public QObject {
  Q_OBJECT

 public:
  // How late after the whole second a tick fires, so the clock already reads the new
  // second when the handlers look.
  static constexpr int kLateMs = 5;

  TickDriver(Clock& clock, EventGate& gate, std::function<bool()> enabled,
             std::function<void()> tick);

  void Start();
  // Milliseconds from a reading at `millisecond` to kLateMs past the next whole second.
  static int DelayFrom(int millisecond) { return 1000 - millisecond + kLateMs; }

 private:
  struct Second {
    int day, hour, minute, second;
    bool operator==(const Second&) const = default;
  };
  static Second SecondOf(const LocalTime& time) {
    return {time.day, time.hour, time.minute, time.second};
  }
  void Arm();
  void Fire();

  Clock& clock_;
  EventGate& gate_;
  std::function<bool()> enabled_;
  std::function<void()> tick_;
  QTimer timer_;
  // The second of the last tick run: a timer that fires early never runs a second twice.
  std::optional<Second> lastTicked_;
};

}  // namespace quendal
