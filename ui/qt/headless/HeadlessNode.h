#pragma once

#include <memory>
#include <ostream>

#include "core/StationController.h"
#include "guard/GuardedHostFactory.h"
#include "host/SimulatedHost.h"
#include "launch/LaunchOptions.h"
#include "onair/LoggedPlatform.h"
#include "platform/LocalFiles.h"
#include "platform/Unattended.h"
#include "ui/qt/platform/EventGate.h"
#include "ui/qt/platform/QtClock.h"
#include "ui/qt/platform/QtPause.h"
#include "ui/qt/platform/TickDriver.h"

namespace quendal {

// The station with no screen: the desktop program's controller, ticks, pauses and sound
// card on Qt Core's event loop, the on-air log on `log`, and every message box logged and
// answered at once. Needs the core application object.
class HeadlessNode final {
 public:
  HeadlessNode(const LaunchOptions& options, std::ostream& log);

  // The load sequence, then the ticks.
  void Start();
  // "Lê as opções", as the operator would press it: waits for an announcement's pause.
  void ReadOptionsAgain();

 private:
  std::shared_ptr<SimulatedHost> simulated_ = std::make_shared<SimulatedHost>();
  guard::GuardedHostFactory hosts_;
  std::unique_ptr<SoundOutput> sound_;
  EventGate gate_;
  QtPause pause_{gate_};
  LocalFiles files_;
  QtClock clock_;
  AnsweringMessageBoxes messages_;
  UnattendedDesktop desktop_;
  AppInfo app_;
  onair::LoggedServices logged_;
  StationController controller_;
  TickDriver ticks_;
};

// The whole headless run: returns the exit code. SIGHUP reads the options again; SIGTERM
// and SIGINT end the program, releasing a transmitter keyed through rigctld.
int RunHeadless(int argc, char** argv, const LaunchOptions& options, std::ostream& log);

}  // namespace quendal
