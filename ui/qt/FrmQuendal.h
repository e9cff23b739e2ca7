#pragma once

#include <QWidget>
#include <array>

#include "core/Display.h"

class QLabel;
class QLineEdit;

namespace quendal {

class EventGate;
class LightShape;
class OptionBox;
class PictureButton;
class StationController;

// The main window. It hands every event to the controller through the gate and draws
// what the controller reports; the controller owns every value it shows.
class FrmQuendal final : public QWidget, private StationView {
  Q_OBJECT

 public:
  FrmQuendal(StationController& controller, EventGate& gate, QWidget* parent = nullptr);
  ~FrmQuendal() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  // The whole picture from the controller, for a window made after values were set.
  void ShowAll();
  void Wire();
  void SetTabOrder();
  void OnClick(PictureButton& button, void (StationController::*handler)());

  // StationView
  void BoxChanged(Box box) override;
  void Text1Changed() override;
  void DisplayChanged(DisplayField field) override;

  StationController& controller_;
  EventGate& gate_;

  std::array<OptionBox*, 7> boxes_{};
  QLineEdit* text1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* label3_ = nullptr;
  LightShape* shape1_ = nullptr;
  LightShape* shape2_ = nullptr;
};

}  // namespace quendal
