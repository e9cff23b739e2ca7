#pragma once

#include <memory>

#include "launch/LaunchOptions.h"
#include "station/Station.h"
#include "ui/qt/platform/EventGate.h"
#include "ui/qt/platform/QtAppInfo.h"
#include "ui/qt/platform/QtClock.h"
#include "ui/qt/platform/QtPause.h"
#include "ui/qt/platform/SoundOutputs.h"
#include "ui/qt/platform/TickDriver.h"

namespace quendal {

// The adapters both Qt front ends run the station on, the desktop and the headless node:
// Qt Core only. Needs the application object.
struct QtCoreAdapters {
  explicit QtCoreAdapters(const LaunchOptions& options)
      : clock(QtClock::OffsetFor(options.clock)), app(CurrentAppInfo(options.folder)) {}

  // With the front end's own way of asking the operator and of ending.
  FrontEnd With(MessageBoxes& messages, Desktop& desktop) {
    return {clock, gate, ticks, pause, *sound, messages, desktop, app};
  }

  EventGate gate;
  QtPause pause{gate};
  QtClock clock;
  TickDriver ticks{clock, gate};
  std::unique_ptr<SoundOutput> sound = MakeSoundOutput();
  AppInfo app;
};

}  // namespace quendal
