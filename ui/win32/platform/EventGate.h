#pragma once

#include <windows.h>

#include "core/HandlerGate.h"

namespace quendal::win32 {

// The handler gate on the Win32 message loop: a pause's loop hands the user's input here,
// and it is posted back to its windows in the order it came, the close request last, so
// the ordinary loop delivers it once the program is idle again.
class EventGate final : public HandlerGate {
 public:
  // Input that reached the program during a pause.
  void HoldInput(const MSG& message);
  // A close request for `window` while a handler is in progress.
  void HoldClose(HWND window);

 private:
  void ReleaseHeld() override;
};

// Keys, mouse buttons and moves, in the client area or on the frame.
bool IsUserInput(UINT message);

}  // namespace quendal::win32
