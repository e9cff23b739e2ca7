#include "ui/win32/platform/TickDriver.h"

#include "ui/win32/platform/EventGate.h"

namespace quendal::win32 {
namespace {

constexpr wchar_t kClass[] = L"QuendalTicks";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TickDriver::TickDriver(Clock& clock, EventGate& gate, std::function<bool()> enabled,
                       std::function<void()> tick)
    : clock_(clock), gate_(gate), enabled_(std::move(enabled)), tick_(std::move(tick)) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &TickDriver::Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClass;
  RegisterClassW(&windowClass);  // fails harmlessly once registered
  window_ = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            windowClass.hInstance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TickDriver::~TickDriver() { DestroyWindow(window_); }

void TickDriver::Start() { Arm(clock_.Now()); }

void TickDriver::Arm(const LocalTime& now) {
  SetTimer(window_, kTimerId, static_cast<UINT>(seconds_.Arm(now)), nullptr);
}

LRESULT CALLBACK TickDriver::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* driver = reinterpret_cast<TickDriver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_TIMER && driver) {
    driver->Fire();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void TickDriver::Fire() {
  const LocalTime now = clock_.Now();
  const bool due = seconds_.Due(now);
  // Armed before the handlers run, so ticks keep coming while one waits in a message box;
  // an early wake-up waits for the rest of its second.
  Arm(now);
  if (!due || gate_.Paused() || !enabled_()) return;
  gate_.Run(tick_);
}

}  // namespace quendal::win32
