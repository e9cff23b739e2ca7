#pragma once

#include <memory>
#include <ostream>

#include "core/HandlerGate.h"
#include "core/SecondTicks.h"
#include "core/StationController.h"
#include "guard/GuardedHostFactory.h"
#include "host/SimulatedHost.h"
#include "launch/LaunchOptions.h"
#include "onair/LoggedPlatform.h"
#include "platform/LocalFiles.h"

namespace quendal {

// What a front end hands the station: its toolkit's adapters, all outliving the station.
struct FrontEnd {
  Clock& clock;
  HandlerGate& gate;
  SecondTimer& ticks;
  Pause& pause;
  SoundOutput& sound;
  MessageBoxes& messages;
  Desktop& desktop;
  AppInfo app;
};

// The station every front end runs: the controller on the host the command line chose
// (guarded when it reaches a real transmitter), the options file in the current folder,
// and the on-air log on `log` when one is given, around the host, the sound card and the
// message boxes. A new service or log decorator is wired here, once.
class Station final {
 public:
  Station(const LaunchOptions& options, FrontEnd frontEnd, std::ostream* log);

  // The ticks armed, then the load sequence.
  void Start();

  StationController& Controller() { return controller_; }
  // The simulated station, which the program drives when the command line chose it.
  SimulatedHost& Simulated() { return *simulated_; }

 private:
  FrontEnd frontEnd_;
  std::shared_ptr<SimulatedHost> simulated_ = std::make_shared<SimulatedHost>();
  guard::GuardedHostFactory hosts_;
  LocalFiles files_;
  onair::LoggedServices logged_;
  StationController controller_;
};

}  // namespace quendal
