#pragma once

#include <QMessageBox>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/StationController.h"
#include "core/platform/LocalFiles.h"
#include "tests/ui/support/Fakes.h"
#include "ui/FrmQuendal.h"
#include "ui/platform/EventGate.h"
#include "ui/platform/QtMessageBoxes.h"

namespace quendal::test {

// A message box as the operator would have seen it.
struct SeenBox {
  QString text;
  QString title;
  QMessageBox::StandardButtons buttons;
  QMessageBox::Icon icon;
  QMessageBox::StandardButton defaultButton;
};

// The real main window on a controller whose platform is scripted: the real message-box
// adapter with its runner replaced, a fixed clock, pauses that return at once, a
// recording desktop and sound card, the simulated host, and a folder of its own.
class WindowRig {
 public:
  WindowRig();
  ~WindowRig();

  void Load() {
    gate.Run([this] { controller->Form_Load(); });
  }
  // One second's tick, as the tick driver runs it.
  void Tick();
  void Click(const char* name);

  template <typename T>
  T& Find(const char* name) {
    T* found = window->findChild<T*>(name);
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return *found;
  }

  std::string Folder() const { return folder.path().toStdString(); }
  // Host writes and plays, in order, as "RfTransmit True" or "PlayAudioFile <path>".
  std::vector<std::string> hostActions;
  std::vector<SeenBox> boxes;
  // Answers for the next boxes; a box with none left is closed with its default button.
  std::deque<QMessageBox::StandardButton> answers;

  QTemporaryDir folder;
  FakeClock clock;
  RecordingPause pause;
  RecordingSound sound;
  RecordingDesktop desktop;
  FixedHost hosts;
  SimulatedHost& host = *hosts.host;
  std::unique_ptr<LocalFiles> files;
  QtMessageBoxes messages;
  EventGate gate;
  std::unique_ptr<StationController> controller;
  std::unique_ptr<FrmQuendal> window;
};

}  // namespace quendal::test
