#pragma once

#include <QTimer>
#include <QWidget>
#include <map>
#include <optional>
#include <string_view>

#include "ui/forms/SimulatedStation.h"

namespace quendal {

// The simulated station's window drawn with Qt widgets; the presenter decides what it
// shows and what the host answers.
class SimulatedHostWindow final : public QWidget, private forms::StationPanel {
  Q_OBJECT

 public:
  SimulatedHostWindow(SimulatedHost& host, SoundOutput& sound, Clock& clock,
                      QWidget* parent = nullptr);

 private:
  QWidget* Make(const forms::StationControl& control);
  forms::StationSettings Settings() const;
  template <typename Widget>
  Widget& Part(std::string_view name) const;

  void ShowState(std::string_view state, std::string_view text, bool on) override;
  void AddHandedFile(const std::string& line) override;
  void ArmPlayback(std::chrono::milliseconds wait) override { playback_.start(wait); }

  std::map<std::string_view, QWidget*> parts_;
  QTimer playback_;
  std::optional<forms::StationPresenter> presenter_;
};

}  // namespace quendal
