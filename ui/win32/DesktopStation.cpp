#include "ui/win32/DesktopStation.h"

namespace quendal::win32 {
namespace {

std::int64_t ClockOffset(const LaunchOptions& options) {
  return options.clock ? Win32Clock::OffsetTo(options.clock->count()) : 0;
}

}  // namespace

DesktopStation::DesktopStation(const LaunchOptions& options, std::ostream* log)
    : clock_(ClockOffset(options)),
      station_(options,
               {clock_, gate_, ticks_, pause_, sound_, messages_, desktop_,
                CurrentAppInfo(options.folder)},
               log),
      window_(station_.Controller(), gate_) {
  messages_.SetOwner(window_.Handle());
  desktop_.SetMainWindow(window_.Handle());
  if (IsSimulated(options.host)) {
    hostWindow_ = std::make_unique<SimulatedHostWindow>(station_.Simulated(), sound_, clock_);
  }
}

void DesktopStation::Start(int show) {
  // The station comes on screen first: the load sequence is already talking to it.
  if (hostWindow_) ShowWindow(hostWindow_->Handle(), SW_SHOWNOACTIVATE);
  station_.Start();
  ShowWindow(window_.Handle(), show);
  SetForegroundWindow(window_.Handle());
  if (hostWindow_) PlaceBeside(hostWindow_->Handle(), window_.Handle());
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
