#pragma once

#include <windows.h>

#include <functional>

#include "core/SecondTicks.h"

namespace quendal::win32 {

class EventGate;

// The one-second ticks on a one-shot window timer. The timer lives on a message-only
// window of the thread, so a message box's or a modal window's loop delivers it too.
class TickDriver final : public SecondTimer {
 public:
  TickDriver(Clock& clock, EventGate& gate, std::function<bool()> enabled = {},
             std::function<void()> tick = {});
  ~TickDriver();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void ArmTimer(int ms) override;

  HWND window_ = nullptr;
};

}  // namespace quendal::win32
