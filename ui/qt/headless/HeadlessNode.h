#pragma once

#include <ostream>

#include "launch/LaunchOptions.h"
#include "platform/Unattended.h"
#include "station/Station.h"
#include "ui/qt/platform/QtCoreAdapters.h"

namespace quendal {

// The station with no screen: the desktop program's station on the same Qt Core adapters, the
// on-air log on `log`, and every message box logged and answered at once. Needs the core
// application object.
class HeadlessNode final {
 public:
  HeadlessNode(const LaunchOptions& options, std::ostream& log);

  // The load sequence, then the ticks.
  void Start();
  // "Lê as opções", as the operator would press it: waits for an announcement's pause.
  void ReadOptionsAgain();

 private:
  QtCoreAdapters qt_;
  AnsweringMessageBoxes messages_;
  UnattendedDesktop desktop_;
  Station station_;
};

// The whole headless run: returns the exit code. SIGHUP reads the options again; SIGTERM
// and SIGINT end the program, releasing a transmitter keyed through rigctld.
int RunHeadless(int argc, char** argv, const LaunchOptions& options, std::ostream& log);

}  // namespace quendal
