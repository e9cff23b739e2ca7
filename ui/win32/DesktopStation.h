#pragma once

#include <memory>
#include <ostream>

#include "core/StationController.h"
#include "guard/GuardedHostFactory.h"
#include "host/SimulatedHost.h"
#include "launch/LaunchOptions.h"
#include "onair/LoggedPlatform.h"
#include "platform/LocalFiles.h"
#include "platform/windows/WinmmSoundOutput.h"
#include "ui/win32/FrmQuendal.h"
#include "ui/win32/SimulatedHostWindow.h"
#include "ui/win32/platform/EventGate.h"
#include "ui/win32/platform/TickDriver.h"
#include "ui/win32/platform/Win32Clock.h"
#include "ui/win32/platform/Win32Desktop.h"
#include "ui/win32/platform/Win32MessageBoxes.h"
#include "ui/win32/platform/Win32Pause.h"

namespace quendal::win32 {

// The program as it runs on the Windows desktop: the controller on the Win32 platform,
// its window, and the station it drives: the host program, or the simulated one with its
// own window.
class DesktopStation final {
 public:
  // The on-air log goes to `log` when one is given.
  DesktopStation(const LaunchOptions& options, std::ostream* log);
  ~DesktopStation();

  // The start-up sequence: ticks armed, the load sequence, then the windows shown.
  void Start(int show);

  FrmQuendal& Window() { return window_; }
  // Null unless the station is the simulated one.
  SimulatedHostWindow* HostWindow() { return hostWindow_.get(); }

 private:
  std::shared_ptr<SimulatedHost> host_ = std::make_shared<SimulatedHost>();
  guard::GuardedHostFactory hosts_;
  WinmmSoundOutput sound_;
  EventGate gate_;
  Win32Pause pause_{gate_};
  LocalFiles files_;
  Win32Clock clock_;
  Win32MessageBoxes messages_;
  Win32Desktop desktop_;
  AppInfo app_;
  onair::LoggedServices logged_;
  StationController controller_;
  FrmQuendal window_;
  std::unique_ptr<SimulatedHostWindow> hostWindow_;
  TickDriver ticks_;
};

// The program's message loop, until it is asked to end; returns the exit code. `station`
// is the simulated station's window, if any.
int RunMessageLoop(HWND station);

}  // namespace quendal::win32
