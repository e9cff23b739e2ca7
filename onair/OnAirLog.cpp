#include "onair/OnAirLog.h"

#include <cstdio>

namespace quendal::onair {

void OnAirLog::Write(std::string_view event) {
  if (out_ == nullptr) return;
  const LocalTime t = clock_.Now();
  char stamp[40];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02dT%02d:%02d:%02d.%03d ", t.year, t.month, t.day,
                t.hour, t.minute, t.second, t.millisecond);
  *out_ << stamp << event << '\n' << std::flush;
}

}  // namespace quendal::onair
