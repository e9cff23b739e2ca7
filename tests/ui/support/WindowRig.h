#pragma once

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/StationController.h"
#include "host/SimulatedHost.h"
#include "platform/LocalFiles.h"
#include "tests/support/Fakes.h"
#include "ui/forms/Events.h"
#include "ui/qt/FrmQuendal.h"
#include "ui/qt/platform/EventGate.h"
#include "ui/qt/platform/QtMessageBoxes.h"

namespace quendal::test {

// A message box as the operator would have seen it.
struct SeenBox {
  QString text, title;
  QMessageBox::StandardButton defaultButton;
};

template <typename T>
T& Child(QWidget& window, const char* name) {
  T* found = window.findChild<T*>(name);
  if (!found) throw std::runtime_error(std::string("no control ") + name);
  return *found;
}

// The real main window on a controller whose platform is scripted: the real message-box
// adapter with its runner replaced, a fixed clock, pauses that return at once, a
// recording desktop and sound card, the simulated host, and a folder of its own.
class WindowRig {
 public:
  WindowRig() {
    messages.SetRunner([this](QMessageBox& box) {
      const auto byDefault = box.standardButton(box.defaultButton());
      boxes.push_back({box.text(), box.windowTitle(), byDefault});
      return answer == QMessageBox::NoButton ? byDefault : answer;
    });
    host.Observe([this](const SimulatedHost::Call& call) {
      if (call.kind == SimulatedHost::Call::Kind::Play) handed.push_back(call.value);
    });
  }
  ~WindowRig() {
    window.reset();
    host.Observe(nullptr);
  }

  void Load() {
    gate.Run([this] { controller.Form_Load(); });
  }
  // One second's tick, as the tick driver runs it.
  void Tick() {
    gate.Run([this] { forms::Tick(controller); });
  }
  template <typename T = QWidget>
  T& Find(const char* name) {
    return Child<T>(*window, name);
  }
  void Click(const char* name) { Find<QAbstractButton>(name).click(); }
  std::string Folder() const { return folder.path().toStdString(); }

  std::vector<SeenBox> boxes;
  // The answer to every box; with none, each is closed with its default button.
  QMessageBox::StandardButton answer = QMessageBox::NoButton;
  std::vector<std::string> handed;  // files handed to the host, as "<path> True"

  QTemporaryDir folder;
  FakeClock clock;
  NoPause pause;
  RecordingSound sound;
  RecordingDesktop desktop;
  struct : HostFactory {
    std::shared_ptr<SimulatedHost> host = std::make_shared<SimulatedHost>();
    std::shared_ptr<HostObject> Create() override { return host; }
  } hosts;
  SimulatedHost& host = *hosts.host;
  LocalFiles files{Folder()};
  QtMessageBoxes messages;
  EventGate gate;
  StationController controller{Platform{hosts, sound, pause, files, clock, messages, desktop,
                                        AppInfo{Folder(), "quendal", "Quendal"}}};
  std::unique_ptr<FrmQuendal> window = std::make_unique<FrmQuendal>(controller, gate);
};

}  // namespace quendal::test
