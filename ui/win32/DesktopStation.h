#pragma once

#include <memory>
#include <ostream>

#include "platform/windows/WinmmSoundOutput.h"
#include "station/Station.h"
#include "ui/win32/FrmQuendal.h"
#include "ui/win32/Look.h"
#include "ui/win32/SimulatedHostWindow.h"
#include "ui/win32/platform/EventGate.h"
#include "ui/win32/platform/TickDriver.h"
#include "ui/win32/platform/Win32Clock.h"
#include "ui/win32/platform/Win32Desktop.h"
#include "ui/win32/platform/Win32MessageBoxes.h"
#include "ui/win32/platform/Win32Pause.h"

namespace quendal::win32 {

// The program as it runs on the Windows desktop: the station on the Win32 adapters, its
// window, and the simulated station's window when that is the one driven.
class DesktopStation final {
 public:
  // The on-air log goes to `log` when one is given.
  DesktopStation(const LaunchOptions& options, std::ostream* log);

  // The start-up sequence: the station, then the windows shown.
  void Start(int show);

  // Null unless the station is the simulated one.
  SimulatedHostWindow* HostWindow() { return hostWindow_.get(); }

 private:
  WinmmSoundOutput sound_;
  EventGate gate_;
  Win32Pause pause_{gate_};
  Win32Clock clock_;
  TickDriver ticks_{clock_, gate_};
  Win32MessageBoxes messages_;
  Win32Desktop desktop_;
  Station station_;
  FrmQuendal window_;
  std::unique_ptr<SimulatedHostWindow> hostWindow_;
};

// The program's message loop, until it is asked to end; returns the exit code. `station`
// is the simulated station's window, if any.
int RunMessageLoop(HWND station);

}  // namespace quendal::win32
