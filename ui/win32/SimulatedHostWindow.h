#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string_view>

#include "ui/forms/SimulatedStation.h"

namespace quendal::win32 {

// The simulated station's window drawn with native controls; the presenter decides what
// it shows and what the host answers.
class SimulatedHostWindow final : private forms::StationPanel {
 public:
  SimulatedHostWindow(SimulatedHost& host, SoundOutput& sound, Clock& clock);
  ~SimulatedHostWindow();
  SimulatedHostWindow(const SimulatedHostWindow&) = delete;
  SimulatedHostWindow& operator=(const SimulatedHostWindow&) = delete;

  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  HWND Make(const forms::StationControl& control);
  HWND Add(const wchar_t* windowClass, std::string_view text, DWORD style,
           const forms::StationControl& place);
  bool Checked(std::string_view name) const;
  forms::StationSettings Settings() const;

  void ShowState(std::string_view state, std::string_view text, bool on) override;
  void AddHandedFile(const std::string& line) override;
  void ArmPlayback(std::chrono::milliseconds wait) override;

  HWND window_ = nullptr;
  std::map<std::string_view, HWND> parts_;
  std::map<HWND, bool> emphasised_;
  HFONT font_ = nullptr, bold_ = nullptr;
  int dpi_ = 96;
  std::optional<forms::StationPresenter> presenter_;
};

}  // namespace quendal::win32
