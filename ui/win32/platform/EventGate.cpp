#include "ui/win32/platform/EventGate.h"

namespace quendal::win32 {

void EventGate::Run(const std::function<void()>& handler) {
  ++depth_;
  handler();
  --depth_;
  if (depth_ == 0 && pauses_ == 0) Release();
}

void EventGate::Release() {
  std::vector<MSG> held;
  held.swap(held_);
  for (const MSG& message : held) {
    PostMessageW(message.hwnd, message.message, message.wParam, message.lParam);
  }
  if (heldClose_) PostMessageW(heldClose_, WM_CLOSE, 0, 0);
  heldClose_ = nullptr;
}

bool IsUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

}  // namespace quendal::win32
