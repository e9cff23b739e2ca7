// The yardstick for the desktop program's idle cost: a plain window that wakes once a
// second and repaints one line of text, as the main window's clock does. Built and run by
// scripts/idle-cpu.sh; not part of the program.
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      SYSTEMTIME now;
      GetLocalTime(&now);
      wchar_t text[16];
      std::swprintf(text, 16, L"%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
      TextOutW(dc, 10, 10, text, static_cast<int>(std::wcslen(text)));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"IdleBaseline";
  RegisterClassW(&windowClass);
  const HWND window =
      CreateWindowExW(0, L"IdleBaseline", L"Baseline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 488, 470, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  SetTimer(window, 1, 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
