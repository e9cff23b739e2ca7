#include "ui/win32/platform/EventGate.h"

namespace quendal::win32 {

void EventGate::HoldInput(const MSG& message) {
  Hold([message] { PostMessageW(message.hwnd, message.message, message.wParam, message.lParam); });
}

void EventGate::HoldClose(HWND window) {
  HandlerGate::HoldClose([window] { PostMessageW(window, WM_CLOSE, 0, 0); });
}

void EventGate::ReleaseHeld() {
  while (auto post = TakeHeld()) (*post)();
}

bool IsUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

}  // namespace quendal::win32
