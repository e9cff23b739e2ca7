#include "ui/qt/DesktopStation.h"

#include "ui/qt/Look.h"

namespace quendal {

DesktopStation::DesktopStation(const LaunchOptions& options, std::ostream* log)
    : qt_(options),
      station_(options, qt_.With(messages_, desktop_), log),
      window_(station_.Controller(), qt_.gate) {
  messages_.SetOwner(&window_);
  desktop_.SetMainWindow(&window_);
  if (IsSimulated(options.host)) {
    hostWindow_ =
        std::make_unique<SimulatedHostWindow>(station_.Simulated(), *qt_.sound, qt_.clock);
  }
}

void DesktopStation::Start() {
  // The station comes on screen first: the load sequence is already talking to it.
  if (hostWindow_) hostWindow_->show();
  station_.Start();
  CentreOnScreen(window_);
  window_.show();
  window_.activateWindow();
  if (hostWindow_) PlaceBeside(*hostWindow_, window_);
}

}  // namespace quendal
