#include "sim/Timeline.h"

#include <cstdio>

namespace quendal::sim {
void Timeline::Event(std::int64_t atMs, std::string_view event) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%lld.%03lld ", static_cast<long long>(atMs / 1000),
                static_cast<long long>(atMs % 1000));
  out_ << stamp << event << '\n';
}

void Timeline::Detail(std::int64_t atMs, std::string_view event) {
  if (verbose_) Event(atMs, event);
}

}  // namespace quendal::sim
