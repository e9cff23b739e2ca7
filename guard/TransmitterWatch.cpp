#include "guard/TransmitterWatch.h"

namespace quendal::guard {
namespace {

constexpr std::array<Switch, 2> kSwitches = {Switch::Rf, Switch::Ip};

}  // namespace

void TransmitterWatch::Heard(Event event, Millis now) {
  std::optional<Millis>& since = KeyedSince(event.which);
  if (event.kind == Event::Kind::Released) {
    since.reset();
  } else if (!since) {
    // Keying an already keyed switch keeps the carrier up: the time counts from the first.
    since = now;
  }
}

std::optional<Millis> TransmitterWatch::NextTimeOut() const {
  std::optional<Millis> next;
  for (const std::optional<Millis>& since : keyedSince_) {
    if (since && (!next || *since + limit_ < *next)) next = *since + limit_;
  }
  return next;
}

std::vector<Switch> TransmitterWatch::TimedOut(Millis now) const {
  std::vector<Switch> due;
  for (const Switch which : kSwitches) {
    const std::optional<Millis>& since = keyedSince_[Index(which)];
    if (since && now - *since >= limit_) due.push_back(which);
  }
  return due;
}

void TransmitterWatch::ReleasedByGuard(Switch which, bool taken, Millis now) {
  std::optional<Millis>& since = KeyedSince(which);
  if (taken) {
    since.reset();
  } else {
    since = now - limit_ + kRetry;
  }
}

std::vector<Switch> TransmitterWatch::NotConfirmedOff() const {
  std::vector<Switch> keyed;
  for (const Switch which : kSwitches) {
    if (keyedSince_[Index(which)]) keyed.push_back(which);
  }
  return keyed;
}

}  // namespace quendal::guard
