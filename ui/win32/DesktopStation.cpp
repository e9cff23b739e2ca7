#include "ui/win32/DesktopStation.h"

#include <filesystem>

#include "ui/forms/Events.h"

namespace quendal::win32 {
namespace {

std::int64_t ClockOffset(const LaunchOptions& options) {
  return options.clock ? Win32Clock::OffsetTo(options.clock->count()) : 0;
}

}  // namespace

DesktopStation::DesktopStation(const LaunchOptions& options, std::ostream* log)
    : hosts_(options.host, host_),
      files_(std::filesystem::current_path()),
      clock_(ClockOffset(options)),
      app_(CurrentAppInfo(options.folder)),
      logged_(clock_, log, hosts_, sound_, files_, messages_, app_.path),
      controller_(Platform{logged_.hosts, logged_.sound, pause_, files_, logged_.clock,
                           logged_.messages, desktop_, app_}),
      window_(controller_, gate_),
      ticks_(
          clock_, gate_, [this] { return controller_.TimersEnabled(); },
          [this] { forms::Tick(controller_); }) {
  messages_.SetOwner(window_.Handle());
  desktop_.SetMainWindow(window_.Handle());
  if (IsSimulated(options.host)) {
    hostWindow_ = std::make_unique<SimulatedHostWindow>(*host_, sound_, clock_);
  }
}

DesktopStation::~DesktopStation() = default;

void DesktopStation::Start(int show) {
  ticks_.Start();
  // The station comes on screen first: the load sequence is already talking to it.
  if (hostWindow_) ShowWindow(hostWindow_->Handle(), SW_SHOWNOACTIVATE);
  gate_.Run([this] { controller_.Form_Load(); });
  ShowWindow(window_.Handle(), show);
  SetForegroundWindow(window_.Handle());
  if (hostWindow_) {
    RECT main;
    GetWindowRect(window_.Handle(), &main);
    SetWindowPos(hostWindow_->Handle(), nullptr, main.right + 12, main.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int RunMessageLoop(HWND station) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (DesignedWindow::MoveFocus(message)) continue;
    // The simulated station's window takes Tab and the arrows as a dialog does.
    if (station && IsDialogMessageW(station, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace quendal::win32
