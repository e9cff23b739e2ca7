#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/platform/Desktop.h"

namespace quendal::win32 {

// The desktop around the main window: the beep, the About and Help windows, modal over
// the main window, and the end of the program.
class Win32Desktop final : public Desktop {
 public:
  explicit Win32Desktop(std::function<void()> end = &EndProcess) : end_(std::move(end)) {}
  void SetMainWindow(HWND window) { window_ = window; }

  void Beep() override { MessageBeep(MB_OK); }
  void ShowAbout() override;
  void ShowHelp() override;
  void Repaint() override;
  void End() override { end_(); }

  // At once and with exit code 0, whatever is on the stack.
  static void EndProcess();

 private:
  HWND window_ = nullptr;
  std::function<void()> end_;
};

// The executable's folder and name, as the controller needs them; `folder` (UTF-8), when
// given, stands for the executable's folder.
AppInfo CurrentAppInfo(const std::string& folder = {});

}  // namespace quendal::win32
