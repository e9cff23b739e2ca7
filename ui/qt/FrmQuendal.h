#pragma once

#include <QWidget>
#include <array>
#include <string_view>

#include "core/Display.h"

class QLabel;
class QLineEdit;

namespace quendal {

class EventGate;
class LightShape;
class OptionBox;
class StationController;

// The main window, built from its designed table. It hands every event to the controller
// through the gate and draws what the controller reports; the controller owns every value
// it shows.
class FrmQuendal final : public QWidget, private StationView {
  Q_OBJECT

 public:
  FrmQuendal(StationController& controller, EventGate& gate, QWidget* parent = nullptr);
  ~FrmQuendal() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  template <typename T>
  T& Find(std::string_view name);
  // The controls that show the controller's values.
  void FindViews();
  void Wire();

  // StationView
  void BoxChanged(Box box) override;
  void Text1Changed() override;
  void DisplayChanged(DisplayField field) override;

  StationController& controller_;
  EventGate& gate_;

  std::array<OptionBox*, kBoxCount> boxes_{};
  QLineEdit* text1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* label3_ = nullptr;
  LightShape* shape1_ = nullptr;
  LightShape* shape2_ = nullptr;
};

}  // namespace quendal
