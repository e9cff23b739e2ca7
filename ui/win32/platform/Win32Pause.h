#pragma once

#include "core/platform/Pause.h"

namespace quendal::win32 {

class EventGate;

// The fixed waits as a nested message loop: windows keep painting and timers keep
// firing (the tick driver drops the ticks that fall due), while the user's input is
// handed to the gate, which gives it back once the handler has returned.
class Win32Pause final : public Pause {
 public:
  explicit Win32Pause(EventGate& gate) : gate_(gate) {}
  void Sleep(std::chrono::milliseconds duration) override;

 private:
  EventGate& gate_;
};

}  // namespace quendal::win32
