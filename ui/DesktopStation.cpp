#include "ui/DesktopStation.h"

#include <QDateTime>
#include <QDir>

#ifdef _WIN32
#include "host/echolink/EchoLinkHost.h"
#else
#include "host/rigctld/RigctldHost.h"
#endif
#include "ui/Look.h"
#include "ui/platform/QtAppInfo.h"
#include "ui/platform/SoundOutputs.h"

namespace quendal {
namespace {

qint64 ClockOffset(const LaunchOptions& options) {
  return options.clock ? QtClock::OffsetTo(*options.clock, QDateTime::currentDateTime()) : 0;
}

}  // namespace

DesktopStation::DesktopStation(const LaunchOptions& options)
    : hostChoice_(options.host),
      sound_(MakeSoundOutput()),
      files_(QDir::currentPath().toStdString()),
      clock_(ClockOffset(options)),
      controller_(
          Platform{*this, *sound_, pause_, files_, clock_, messages_, desktop_, CurrentAppInfo()}),
      window_(controller_, gate_),
      ticks_(
          clock_, gate_, [this] { return controller_.TimersEnabled(); }, [this] { RunTick(); }) {
  messages_.SetOwner(&window_);
  desktop_.SetMainWindow(&window_);
  if (hostChoice_.kind == HostChoice::Kind::Simulated) {
    hostWindow_ = std::make_unique<SimulatedHostWindow>(*host_, *sound_, clock_);
  }
}

DesktopStation::~DesktopStation() = default;

void DesktopStation::Start() {
  ticks_.Start();
  // The station comes on screen first: the load sequence is already talking to it.
  if (hostWindow_) hostWindow_->show();
  gate_.Run([this] { controller_.Form_Load(); });
  CentreOnScreen(window_);
  window_.show();
  window_.activateWindow();
  if (hostWindow_) {
    const QRect main = window_.frameGeometry();
    hostWindow_->move(main.right() + 12, main.top());
  }
}

std::shared_ptr<HostObject> DesktopStation::Create() {
  switch (hostChoice_.kind) {
    case HostChoice::Kind::Simulated:
      return host_;
    case HostChoice::Kind::Rigctld:
#ifdef _WIN32
      return nullptr;
#else
      return RigctldHostFactory(hostChoice_.rigctld).Create();
#endif
    case HostChoice::Kind::EchoLink:
#ifdef _WIN32
      return EchoLinkHostFactory().Create();
#else
      return nullptr;
#endif
  }
  return nullptr;
}

void DesktopStation::RunTick() {
  controller_.Timer1_Timer();
  controller_.Timer2_Timer();
  controller_.RefreshLights();
}

}  // namespace quendal
