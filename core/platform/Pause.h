#pragma once

#include <chrono>

namespace quendal {

// The fixed waits of an announcement. Blocks the caller for `duration`; while it waits no
// tick and no user action of the program is handled (ticks falling due are dropped).
class Pause {
 public:
  virtual ~Pause() = default;
  virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

}  // namespace quendal
