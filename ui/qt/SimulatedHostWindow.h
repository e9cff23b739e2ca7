#pragma once

#include <QWidget>

#include "host/SimulatedHost.h"
#include "ui/qt/HostPlayback.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QSpinBox;

namespace quendal {

class Clock;
class SoundOutput;

// The stand-in for the host program's own window: the operator sets what the host would
// report and sees what the program asks of it. Files handed to the host are played on
// the sound card one after another, so announcements to linked stations can be heard.
class SimulatedHostWindow final : public QWidget {
  Q_OBJECT

 public:
  // Observes `host` for as long as the window lives; stamps what it lists with `clock`,
  // the program's own, so the times match the main window's.
  SimulatedHostWindow(SimulatedHost& host, SoundOutput& sound, Clock& clock,
                      QWidget* parent = nullptr);
  ~SimulatedHostWindow() override;

 private:
  void OnCall(const SimulatedHost::Call& call);
  void ApplyControls();
  void ShowTransmitters();

  SimulatedHost& host_;
  HostPlayback playback_;
  Clock& clock_;
  QCheckBox* radio_ = nullptr;
  QCheckBox* internet_ = nullptr;
  QCheckBox* offline_ = nullptr;
  QSpinBox* linked_ = nullptr;
  QLabel* rf_ = nullptr;
  QLabel* ip_ = nullptr;
  QListWidget* files_ = nullptr;
};

}  // namespace quendal
