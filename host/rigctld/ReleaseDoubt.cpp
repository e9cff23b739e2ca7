#include "host/rigctld/ReleaseDoubt.h"

#include <algorithm>

namespace quendal {

void ReleaseDoubt::Begin(Time now) {
  until_ = std::max(until_.value_or(now), now + window_);
  Heard(Reading::NotOff);
}

void ReleaseDoubt::Heard(Reading reading) {
  last_ = reading;
  offReadings_ = reading == Reading::Off ? offReadings_ + 1 : 0;
}

bool ReleaseDoubt::Settled(Time now) const {
  if (!until_ || now < *until_) return false;
  return offReadings_ >= kOffReadings || last_ == Reading::CannotSay;
}

void ReleaseDoubt::End() {
  until_.reset();
  Heard(Reading::NotOff);
}

}  // namespace quendal
