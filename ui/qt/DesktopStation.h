#pragma once

#include <memory>
#include <ostream>

#include "core/StationController.h"
#include "guard/GuardedHostFactory.h"
#include "host/SimulatedHost.h"
#include "launch/LaunchOptions.h"
#include "onair/LoggedPlatform.h"
#include "platform/LocalFiles.h"
#include "ui/qt/FrmQuendal.h"
#include "ui/qt/SimulatedHostWindow.h"
#include "ui/qt/platform/EventGate.h"
#include "ui/qt/platform/QtClock.h"
#include "ui/qt/platform/QtDesktop.h"
#include "ui/qt/platform/QtMessageBoxes.h"
#include "ui/qt/platform/QtPause.h"
#include "ui/qt/platform/TickDriver.h"

namespace quendal {

// The program as it runs on the desktop: the controller on the Qt platform, its window,
// and the station it drives: the simulated one, with its own window, or a real link.
// Needs the application object.
class DesktopStation final {
 public:
  // The on-air log goes to `log` when one is given.
  DesktopStation(const LaunchOptions& options, std::ostream* log);
  ~DesktopStation();

  // The start-up sequence: ticks armed, the load sequence, then the windows shown.
  void Start();

  FrmQuendal& Window() { return window_; }
  // Null unless the station is the simulated one.
  SimulatedHostWindow* HostWindow() { return hostWindow_.get(); }

 private:
  std::shared_ptr<SimulatedHost> host_ = std::make_shared<SimulatedHost>();
  guard::GuardedHostFactory hosts_;
  std::unique_ptr<SoundOutput> sound_;
  EventGate gate_;
  QtPause pause_{gate_};
  LocalFiles files_;
  QtClock clock_;
  QtMessageBoxes messages_;
  QtDesktop desktop_{&QtDesktop::EndProcess};
  AppInfo app_;
  onair::LoggedServices logged_;
  StationController controller_;
  FrmQuendal window_;
  std::unique_ptr<SimulatedHostWindow> hostWindow_;
  TickDriver ticks_;
};

}  // namespace quendal
