#pragma once

#include <windows.h>

#include <functional>

#include "core/SecondTicks.h"
#include "core/platform/Clock.h"

namespace quendal::win32 {

class EventGate;

// The one-second ticks on a one-shot window timer, at the clock's whole seconds as
// SecondTicks rules: each is armed anew from the clock, so the program sees every second
// once and drift never accumulates. The timer lives on a message-only window of the
// thread, so a message box's or a modal window's loop delivers it too; a tick falling due
// during a pause is dropped.
class TickDriver final {
 public:
  TickDriver(Clock& clock, EventGate& gate, std::function<bool()> enabled,
             std::function<void()> tick);
  ~TickDriver();
  TickDriver(const TickDriver&) = delete;
  TickDriver& operator=(const TickDriver&) = delete;

  void Start();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Fire();
  void Arm(const LocalTime& now);

  Clock& clock_;
  EventGate& gate_;
  std::function<bool()> enabled_;
  std::function<void()> tick_;
  SecondTicks seconds_;
  HWND window_ = nullptr;
};

}  // namespace quendal::win32
