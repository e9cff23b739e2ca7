#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <vector>

#include "guard/GuardEvents.h"

namespace quendal::guard {

using Millis = std::chrono::milliseconds;

// The guard's view of the two transmit switches: each is either known off or keyed (or
// not confirmed off) since some time, counted from the guard's start.
class TransmitterWatch {
 public:
  // As a repeater's time-out timer: the longest announcement keeps a carrier up for
  // about 12 s, so two minutes only ever catches a program that has stopped working.
  static constexpr Millis kDefaultLimit{120'000};
  // A time-out release the host did not take is tried again this much later.
  static constexpr Millis kRetry{1'000};

  explicit TransmitterWatch(Millis limit = kDefaultLimit) : limit_(limit) {}

  void Heard(Event event, Millis now);

  // When the next switch times out; nullopt while both are off.
  std::optional<Millis> NextTimeOut() const;
  // The switches keyed for `limit` or longer at `now`.
  std::vector<Switch> TimedOut(Millis now) const;
  // After a time-out release: taken, the switch is off; refused, it times out again
  // after kRetry.
  void ReleasedByGuard(Switch which, bool taken, Millis now);

  // The switches to release when the program is gone.
  std::vector<Switch> NotConfirmedOff() const;

  Millis Limit() const { return limit_; }

 private:
  std::optional<Millis>& KeyedSince(Switch which) { return keyedSince_[Index(which)]; }
  static std::size_t Index(Switch which) { return which == Switch::Rf ? 0 : 1; }

  Millis limit_;
  std::array<std::optional<Millis>, 2> keyedSince_{};
};

}  // namespace quendal::guard
