#pragma once

#include <windows.h>

#include "core/platform/MessageBoxes.h"

namespace quendal::win32 {

// The system's message box, owned by the main window: the window takes no input while
// it is open, but the thread's timers keep firing inside its loop.
class Win32MessageBoxes final : public MessageBoxes {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  MsgAnswer Show(const MessageRequest& request) override;

  // The style MessageBoxW is given for `request`, with or without an owner.
  static UINT Style(const MessageRequest& request, bool owned);

 private:
  HWND owner_ = nullptr;
};

}  // namespace quendal::win32
