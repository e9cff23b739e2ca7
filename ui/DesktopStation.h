#pragma once

#include <memory>

#include "core/StationController.h"
#include "core/platform/LocalFiles.h"
#include "host/SimulatedHost.h"
#include "ui/FrmQuendal.h"
#include "ui/LaunchOptions.h"
#include "ui/SimulatedHostWindow.h"
#include "ui/platform/EventGate.h"
#include "ui/platform/QtClock.h"
#include "ui/platform/QtDesktop.h"
#include "ui/platform/QtMessageBoxes.h"
#include "ui/platform/QtPause.h"
#include "ui/platform/TickDriver.h"

namespace quendal {

// The program as it runs on the desktop: the controller on the Qt platform, its window,
// and the station it drives: the simulated one, with its own window, or a real link.
// Needs the application object.
class DesktopStation final : private HostFactory {
 public:
  explicit DesktopStation(const LaunchOptions& options);
  ~DesktopStation() override;

  // The start-up sequence: ticks armed, the load sequence, then the windows shown.
  void Start();

  FrmQuendal& Window() { return window_; }
  // Null unless the station is the simulated one.
  SimulatedHostWindow* HostWindow() { return hostWindow_.get(); }

 private:
  std::shared_ptr<HostObject> Create() override;
  void RunTick();

  HostChoice hostChoice_;
  std::shared_ptr<SimulatedHost> host_ = std::make_shared<SimulatedHost>();
  std::unique_ptr<SoundOutput> sound_;
  EventGate gate_;
  QtPause pause_{gate_};
  LocalFiles files_;
  QtClock clock_;
  QtMessageBoxes messages_;
  QtDesktop desktop_{&QtDesktop::EndProcess};
  StationController controller_;
  FrmQuendal window_;
  std::unique_ptr<SimulatedHostWindow> hostWindow_;
  TickDriver ticks_;
};

}  // namespace quendal
