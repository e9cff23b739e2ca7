#pragma once

#include <chrono>
#include <optional>

namespace quendal {

// Whether rigctld's "RPRT 0" to a release settles it, or only the radio's own word does.
// rigctld serves each connection on a thread of its own, and they queue for the radio: a
// key request whose answer never came may still be waiting there, and key the radio after
// a release sent later on another connection. Until the window has passed and the radio
// has been read back as off a few times in a row, a release is in doubt. Readings in a
// row need a daemon that answers again, and one that answers drains its queue at once:
// a longer stall only delays them.
class ReleaseDoubt {
 public:
  using Time = std::chrono::steady_clock::time_point;
  // Readings of the PTT as off, in a row, that settle a release once the window is over.
  static constexpr int kOffReadings = 3;

  explicit ReleaseDoubt(std::chrono::milliseconds window) : window_(window) {}

  bool Active() const { return until_.has_value(); }
  // A key request may wait in the daemon's queue from `now` on.
  void Begin(Time now);
  // What the radio said of its PTT; CannotSay is a refused read ("RPRT -N").
  enum class Reading { Off, NotOff, CannotSay };
  void Heard(Reading reading);
  // The latest reading was off: no need to ask for the release again.
  bool SaidOffLast() const { return offReadings_ > 0; }
  // Settled once the window is over and the radio has said off often enough in a row, or,
  // when it cannot say, has just taken one more release.
  bool Settled(Time now) const;
  void End();

 private:
  std::chrono::milliseconds window_;
  std::optional<Time> until_;
  int offReadings_ = 0;
  Reading last_ = Reading::NotOff;
};

}  // namespace quendal
