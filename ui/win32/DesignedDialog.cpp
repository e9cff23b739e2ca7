#include "ui/win32/DesignedDialog.h"

#include <shellapi.h>

#include "ui/forms/FrmSobre.h"
#include "ui/win32/Look.h"

namespace quendal::win32 {

void RunModalLoop(const bool& open) {
  MSG message;
  while (open && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (DesignedWindow::MoveFocus(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (open) PostQuitMessage(static_cast<int>(message.wParam));
}

void DesignedDialog::Run(HWND owner) {
  Create(owner);
  open_ = true;
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
  RunModalLoop(open_);
  // The owner takes input again before this window goes, so the activation returns to it.
  if (owner) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
  ShowWindow(Handle(), SW_HIDE);
}

void DesignedDialog::Clicked(std::string_view control) {
  for (const forms::DialogButton& button : buttons_) {
    if (button.control != control) continue;
    if (button.action == forms::DialogAction::Close) {
      open_ = false;
    } else {
      // Whether a browser opened is not the program's concern.
      ShellExecuteW(Handle(), L"open", Wide(forms::kMakerPage).c_str(), L"", L"", SW_SHOWNORMAL);
    }
  }
}

LRESULT DesignedDialog::Other(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    open_ = false;
    return 0;
  }
  return DesignedWindow::Other(message, wParam, lParam);
}

}  // namespace quendal::win32
