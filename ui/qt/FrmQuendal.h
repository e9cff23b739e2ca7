#pragma once

#include <QWidget>
#include <optional>
#include <string_view>

#include "ui/forms/MainView.h"

namespace quendal {

class EventGate;
class StationController;

// The main window, built from its designed table. It hands every event to the controller
// through the gate and draws what the controller reports; the controller owns every value
// it shows.
class FrmQuendal final : public QWidget, private forms::FormPanel {
  Q_OBJECT

 public:
  FrmQuendal(StationController& controller, EventGate& gate, QWidget* parent = nullptr);
  ~FrmQuendal() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  template <typename T>
  T& Find(std::string_view name);
  void Wire();

  void ShowCheck(std::string_view control, std::int16_t value) override;
  void ShowText(std::string_view control, const std::string& utf8) override;
  void ShowLight(std::string_view control, LightColour colour) override;

  StationController& controller_;
  EventGate& gate_;
  std::optional<forms::MainView> view_;
};

}  // namespace quendal
