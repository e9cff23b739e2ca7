#pragma once

#include "core/Display.h"
#include "ui/win32/DesignedWindow.h"

namespace quendal {
class StationController;
}

namespace quendal::win32 {

class EventGate;

// The main window, built from its designed table. It hands every event to the controller
// through the gate and draws what the controller reports; the controller owns every value
// it shows.
class FrmQuendal final : public DesignedWindow, private StationView {
 public:
  FrmQuendal(StationController& controller, EventGate& gate);
  ~FrmQuendal() override;

 private:
  void Clicked(std::string_view control) override;
  void Edited(std::string_view control, const std::string& text) override;
  LRESULT Other(UINT message, WPARAM wParam, LPARAM lParam) override;
  // A close request of any kind; false when it was answered No.
  bool Close();

  // StationView
  void BoxChanged(Box box) override;
  void Text1Changed() override;
  void DisplayChanged(DisplayField field) override;

  StationController& controller_;
  EventGate& gate_;
};

}  // namespace quendal::win32
