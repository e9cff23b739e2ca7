#include "ui/win32/platform/Win32Pause.h"

#include <windows.h>

#include "ui/win32/platform/EventGate.h"

namespace quendal::win32 {
namespace {

// False once the program is asked to end: the wait stops, and the ordinary loop sees the
// request again.
bool DispatchWaiting(EventGate& gate) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    if (IsUserInput(message.message)) {
      gate.HoldInput(message);
      continue;
    }
    DispatchMessageW(&message);
  }
  return true;
}

}  // namespace

void Win32Pause::Sleep(std::chrono::milliseconds duration) {
  gate_.BeginPause();
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(duration.count());
  while (DispatchWaiting(gate_)) {
    const ULONGLONG now = GetTickCount64();
    if (now >= end) break;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }
  gate_.EndPause();
}

}  // namespace quendal::win32
