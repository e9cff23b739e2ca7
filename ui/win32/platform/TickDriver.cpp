#include "ui/win32/platform/TickDriver.h"

#include "ui/win32/platform/EventGate.h"

namespace quendal::win32 {
namespace {

constexpr wchar_t kClass[] = L"QuendalTicks";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TickDriver::TickDriver(Clock& clock, EventGate& gate, std::function<bool()> enabled,
                       std::function<void()> tick)
    : SecondTimer(clock, gate, {std::move(enabled), std::move(tick)}) {
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

void TickDriver::ArmTimer(int ms) { SetTimer(window_, kTimerId, static_cast<UINT>(ms), nullptr); }

LRESULT CALLBACK TickDriver::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* driver = reinterpret_cast<TickDriver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_TIMER && driver) {
    driver->Wake();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quendal::win32
