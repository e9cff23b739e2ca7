#include "tests/ui/support/WindowRig.h"

#include <QAbstractButton>
#include <QPushButton>

namespace quendal::test {

WindowRig::WindowRig() {
  files = std::make_unique<LocalFiles>(Folder());
  messages.SetRunner([this](QMessageBox& box) {
    boxes.push_back({box.text(), box.windowTitle(), box.standardButtons(), box.icon(),
                     box.standardButton(box.defaultButton())});
    if (answers.empty()) return box.standardButton(box.defaultButton());
    const QMessageBox::StandardButton answer = answers.front();
    answers.pop_front();
    return answer;
  });
  host.Observe([this](const SimulatedHost::Call& call) {
    if (call.kind == SimulatedHost::Call::Kind::Read) return;
    hostActions.push_back(call.member + " " + call.value);
  });
  controller = std::make_unique<StationController>(
      Platform{hosts, sound, pause, *files, clock, messages, desktop,
               AppInfo{Folder(), "quendal", "Quendal"}});
  window = std::make_unique<FrmQuendal>(*controller, gate);
}

WindowRig::~WindowRig() {
  window.reset();
  host.Observe(nullptr);
}

void WindowRig::Tick() {
  gate.Run([this] {
    controller->Timer1_Timer();
    controller->Timer2_Timer();
    controller->RefreshLights();
  });
}

void WindowRig::Click(const char* name) { Find<QAbstractButton>(name).click(); }

}  // namespace quendal::test
