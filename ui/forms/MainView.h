#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Display.h"

namespace quendal {
class StationController;
}

namespace quendal::forms {

// The main window as the controller's view draws on it: each value on the control of
// kFrmQuendal that shows it, named as in the table.
class FormPanel {
 public:
  virtual void ShowCheck(std::string_view control, std::int16_t value) = 0;
  virtual void ShowText(std::string_view control, const std::string& utf8) = 0;
  virtual void ShowLight(std::string_view control, LightColour colour) = 0;

 protected:
  ~FormPanel() = default;
};

// The controller's view for as long as it lives: the whole picture at once, then every
// value that changes.
class MainView final : private StationView {
 public:
  MainView(StationController& controller, FormPanel& panel);
  ~MainView() override;
  MainView(const MainView&) = delete;
  MainView& operator=(const MainView&) = delete;

 private:
  void BoxChanged(Box box) override;
  void Text1Changed() override;
  void DisplayChanged(DisplayField field) override;

  StationController& controller_;
  FormPanel& panel_;
};

}  // namespace quendal::forms
