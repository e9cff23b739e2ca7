#pragma once

#include <windows.h>

#include <deque>
#include <string>

#include "host/SimulatedHost.h"

namespace quendal {
class Clock;
class SoundOutput;
}  // namespace quendal

namespace quendal::win32 {

// The stand-in for the host program's own window: the operator sets what the host would
// report and sees what the program asks of it. Files handed to the host are played on
// the sound card one after another, each to its end, the way the host queues them, so
// announcements to linked stations can be heard.
class SimulatedHostWindow final {
 public:
  // Observes `host` for as long as the window lives; stamps what it lists with `clock`,
  // the program's own, so the times match the main window's.
  SimulatedHostWindow(SimulatedHost& host, SoundOutput& sound, Clock& clock);
  ~SimulatedHostWindow();
  SimulatedHostWindow(const SimulatedHostWindow&) = delete;
  SimulatedHostWindow& operator=(const SimulatedHostWindow&) = delete;

  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  HWND Add(const wchar_t* windowClass, const wchar_t* text, DWORD style, int x, int y, int width,
           int height);
  void Build();
  void ApplyControls();
  void OnCall(const SimulatedHost::Call& call);
  void ShowTransmitters();
  void PlayNext();

  SimulatedHost& host_;
  SoundOutput& sound_;
  Clock& clock_;
  HWND window_ = nullptr;
  HWND radio_ = nullptr, internet_ = nullptr, linked_ = nullptr, offline_ = nullptr;
  HWND rf_ = nullptr, ip_ = nullptr, files_ = nullptr;
  HFONT font_ = nullptr, bold_ = nullptr;
  std::deque<std::string> queue_;
  bool playing_ = false;
  int dpi_ = 96;
};

}  // namespace quendal::win32
