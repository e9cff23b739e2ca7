#pragma once

#include "core/platform/Pause.h"

namespace quendal {

class EventGate;

// Sleeps in a nested event loop that leaves user input queued, so the windows keep
// painting and the decorations keep moving while the program itself stands still. The
// gate is told, so ticks falling due are dropped and user actions wait.
class QtPause final : public Pause {
 public:
  explicit QtPause(EventGate& gate) : gate_(gate) {}
  void Sleep(std::chrono::milliseconds duration) override;

 private:
  EventGate& gate_;
};

}  // namespace quendal
