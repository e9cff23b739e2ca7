#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace quendal::win32 {

// Everything the windows and the timers hand to the controller passes here, so the
// controller sees one handler at a time the way it was written for:
// - while a pause sleeps, the user's input is kept back (the pause's loop hands it here)
//   and given to the windows again once the handler that paused has returned;
// - ticks and message boxes nest as they come, since the controller expects that;
// - a close request that comes while a handler runs is kept and asked afterwards.
class EventGate final {
 public:
  // Runs `handler` now, counted as a handler in progress.
  void Run(const std::function<void()>& handler);

  bool Busy() const { return depth_ > 0; }
  bool Paused() const { return pauses_ > 0; }

  void BeginPause() { ++pauses_; }
  void EndPause() { --pauses_; }

  // Input that reached the program during a pause.
  void HoldInput(const MSG& message) { held_.push_back(message); }
  // A close request for `window` while a handler is in progress: one at most.
  void HoldClose(HWND window) { heldClose_ = window; }

 private:
  // Posted back to their windows in the order they came, the close request last, so the
  // ordinary loop delivers them once the program is idle again.
  void Release();

  int depth_ = 0;
  int pauses_ = 0;
  std::vector<MSG> held_;
  HWND heldClose_ = nullptr;
};

// Keys, mouse buttons and moves, in the client area or on the frame.
bool IsUserInput(UINT message);

}  // namespace quendal::win32
