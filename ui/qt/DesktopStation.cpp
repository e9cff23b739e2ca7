#include "ui/qt/DesktopStation.h"

#include <QDir>

#include "ui/forms/Events.h"
#include "ui/qt/Look.h"
#include "ui/qt/platform/QtAppInfo.h"
#include "ui/qt/platform/SoundOutputs.h"

namespace quendal {
DesktopStation::DesktopStation(const LaunchOptions& options, std::ostream* log)
    : hosts_(options.host, host_),
      sound_(MakeSoundOutput()),
      files_(QDir::currentPath().toStdString()),
      clock_(QtClock::OffsetFor(options.clock)),
      app_(CurrentAppInfo(options.folder)),
      logged_(clock_, log, hosts_, *sound_, files_, messages_, app_.path),
      controller_(Platform{logged_.hosts, logged_.sound, pause_, files_, logged_.clock,
                           logged_.messages, desktop_, app_}),
      window_(controller_, gate_),
      ticks_(
          clock_, gate_, [this] { return controller_.TimersEnabled(); },
          [this] { forms::Tick(controller_); }) {
  messages_.SetOwner(&window_);
  desktop_.SetMainWindow(&window_);
  if (IsSimulated(options.host)) {
    hostWindow_ = std::make_unique<SimulatedHostWindow>(*host_, *sound_, clock_);
  }
}

DesktopStation::~DesktopStation() = default;

void DesktopStation::Start() {
  ticks_.Start();
  // The station comes on screen first: the load sequence is already talking to it.
  if (hostWindow_) hostWindow_->show();
  gate_.Run([this] { controller_.Form_Load(); });
  CentreOnScreen(window_);
  window_.show();
  window_.activateWindow();
  if (hostWindow_) {
    const QRect main = window_.frameGeometry();
    hostWindow_->move(main.right() + 12, main.top());
  }
}

}  // namespace quendal
