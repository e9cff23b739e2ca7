#include "host/rigctld/ReleaseDoubt.h"

#include <algorithm>

namespace quendal {

void ReleaseDoubt::Begin(Time now) {
  until_ = std::max(until_.value_or(now), now + window_);
  offReadings_ = 0;
}

bool ReleaseDoubt::Settled(Time now, bool pttReadable) const {
  if (!until_ || now < *until_) return false;
  return !pttReadable || offReadings_ >= kOffReadings;
}

void ReleaseDoubt::End() {
  until_.reset();
  offReadings_ = 0;
}

}  // namespace quendal
