#pragma once

#include <memory>
#include <ostream>

#include "ui/qt/FrmQuendal.h"
#include "ui/qt/SimulatedHostWindow.h"
#include "ui/qt/platform/QtCoreAdapters.h"
#include "ui/qt/platform/QtDesktop.h"
#include "ui/qt/platform/QtMessageBoxes.h"

namespace quendal {

// The program as it runs on the Qt desktop: the station on the Qt adapters, its window,
// and the simulated station's window when that is the one driven. Needs the application
// object.
class DesktopStation final {
 public:
  // The on-air log goes to `log` when one is given.
  DesktopStation(const LaunchOptions& options, std::ostream* log);

  // The start-up sequence: the station, then the windows shown.
  void Start();

  FrmQuendal& Window() { return window_; }
  // Null unless the station is the simulated one.
  SimulatedHostWindow* HostWindow() { return hostWindow_.get(); }

 private:
  QtCoreAdapters qt_;
  QtMessageBoxes messages_;
  QtDesktop desktop_{&QtDesktop::EndProcess};
  Station station_;
  FrmQuendal window_;
  std::unique_ptr<SimulatedHostWindow> hostWindow_;
};

}  // namespace quendal
