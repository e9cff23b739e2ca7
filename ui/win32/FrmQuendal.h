#pragma once

#include <optional>

#include "ui/forms/MainView.h"
#include "ui/win32/DesignedWindow.h"

namespace quendal {
class StationController;
}

namespace quendal::win32 {

class EventGate;

// The main window, built from its designed table. It hands every event to the controller
// through the gate and draws what the controller reports; the controller owns every value
// it shows.
class FrmQuendal final : public DesignedWindow, private forms::FormPanel {
 public:
  FrmQuendal(StationController& controller, EventGate& gate);
  ~FrmQuendal() override;

 private:
  void Clicked(std::string_view control) override;
  void Edited(std::string_view control, const std::string& text) override;
  LRESULT Other(UINT message, WPARAM wParam, LPARAM lParam) override;
  // A close request of any kind; false when it was answered No.
  bool Close();

  void ShowCheck(std::string_view control, std::int16_t value) override {
    SetCheck(control, value);
  }
  void ShowText(std::string_view control, const std::string& utf8) override {
    SetText(control, utf8);
  }
  // The light colours are the platform's own blue-green-red values.
  void ShowLight(std::string_view control, LightColour colour) override {
    SetLight(control, static_cast<COLORREF>(ColourValue(colour)));
  }

  StationController& controller_;
  EventGate& gate_;
  std::optional<forms::MainView> view_;
};

}  // namespace quendal::win32
