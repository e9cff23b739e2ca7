#include "ui/win32/OwnControls.h"

#include <algorithm>

#include "ui/forms/DesktopLook.h"
#include "ui/win32/Pictures.h"

namespace quendal::win32 {
namespace {

constexpr UINT_PTR kFrameTimer = 1;

struct PictureState {
  forms::Picture picture = forms::Picture::None;
  int frame = 0;
};

PictureState* StateOf(HWND box) {
  return reinterpret_cast<PictureState*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

void PaintLight(HWND light) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(light, &paint);
  RECT area;
  GetClientRect(light, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  // A circle as wide as the box's smaller side, in its middle.
  const int side = std::min(area.right, area.bottom) - 1;
  const int left = (area.right - side) / 2, top = (area.bottom - side) / 2;
  const HBRUSH fill = CreateSolidBrush(LightFill(light));
  const HGDIOBJ oldBrush = SelectObject(dc, fill);
  const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  Ellipse(dc, left, top, left + side, top + side);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(fill);
  EndPaint(light, &paint);
}

// Drawn off screen and copied in one step, so a new frame never flickers.
void PaintPicture(HWND box) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(box, &paint);
  RECT area;
  GetClientRect(box, &area);
  const HDC buffer = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, area.right, area.bottom);
  const HGDIOBJ old = SelectObject(buffer, bitmap);
  FillRect(buffer, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (const PictureState* state = StateOf(box)) {
    DrawDecoration(buffer, state->picture, state->frame, area);
  }
  BitBlt(dc, 0, 0, area.right, area.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, old);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(box, &paint);
}

LRESULT CALLBACK LightProcedure(HWND light, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintLight(light);
    return 0;
  }
  return DefWindowProcW(light, message, wParam, lParam);
}

LRESULT CALLBACK PictureProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  PictureState* state = StateOf(box);
  switch (message) {
    case WM_CREATE:
      SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PictureState));
      return 0;
    case WM_NCDESTROY:
      delete state;
      SetWindowLongPtrW(box, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintPicture(box);
      return 0;
    case WM_TIMER:
      if (state && wParam == kFrameTimer) {
        state->frame = (state->frame + 1) % forms::LookOf(state->picture).frames;
        InvalidateRect(box, nullptr, FALSE);  // only its own rectangle
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(box, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  RegisterClassW(&windowClass);  // fails harmlessly once registered
}

}  // namespace

void RegisterOwnControls() {
  Register(kLightClass, &LightProcedure);
  Register(kPictureClass, &PictureProcedure);
}

void SetLightFill(HWND light, COLORREF fill) {
  SetWindowLongPtrW(light, GWLP_USERDATA, static_cast<LONG_PTR>(fill));
  InvalidateRect(light, nullptr, FALSE);
}

COLORREF LightFill(HWND light) {
  return static_cast<COLORREF>(GetWindowLongPtrW(light, GWLP_USERDATA));
}

void SetPicture(HWND box, forms::Picture picture) {
  if (PictureState* state = StateOf(box)) *state = {picture, 0};
  InvalidateRect(box, nullptr, FALSE);
}

void RunPicture(HWND box, bool run) {
  const PictureState* state = StateOf(box);
  if (!state || forms::LookOf(state->picture).frames < 2) return;
  if (run) {
    SetTimer(box, kFrameTimer, static_cast<UINT>(forms::LookOf(state->picture).frameMs), nullptr);
  } else {
    KillTimer(box, kFrameTimer);
  }
}

int PictureFrame(HWND box) {
  const PictureState* state = StateOf(box);
  return state ? state->frame : 0;
}

}  // namespace quendal::win32
