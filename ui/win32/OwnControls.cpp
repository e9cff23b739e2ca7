#include "ui/win32/OwnControls.h"

#include <algorithm>

#include "ui/forms/DesktopLook.h"
#include "ui/win32/Pictures.h"

namespace quendal::win32 {
namespace {

// The frames, once drawn, side by side in one bitmap of the box's size: a decoration
// runs all day, and drawing its art anew a few times a second is most of what the idle
// window costs.
struct PictureState {
  forms::Picture picture = forms::Picture::None;
  int frame = 0;
  HBITMAP frames = nullptr;
  SIZE size{};

  void Forget() {
    if (frames) DeleteObject(frames);
    frames = nullptr;
  }
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
  PictureState* state = StateOf(box);
  const HDC buffer = CreateCompatibleDC(dc);
  if (state && (!state->frames || state->size.cx != area.right || state->size.cy != area.bottom)) {
    state->Forget();
    const int count = forms::LookOf(state->picture).frames;
    state->size = {area.right, area.bottom};
    state->frames = CreateCompatibleBitmap(dc, area.right * count, area.bottom);
    const HGDIOBJ blank = SelectObject(buffer, state->frames);
    for (int frame = 0; frame < count; ++frame) {
      const RECT place{area.right * frame, 0, area.right * (frame + 1), area.bottom};
      FillRect(buffer, &place, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      DrawDecoration(buffer, state->picture, frame, place);
    }
    SelectObject(buffer, blank);
  }
  if (state) {
    const HGDIOBJ old = SelectObject(buffer, state->frames);
    BitBlt(dc, 0, 0, area.right, area.bottom, buffer, area.right * state->frame, 0, SRCCOPY);
    SelectObject(buffer, old);
  }
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
      if (state) state->Forget();
      delete state;
      SetWindowLongPtrW(box, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintPicture(box);
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
  if (LightFill(light) == fill) return;  // nothing to repaint
  SetWindowLongPtrW(light, GWLP_USERDATA, static_cast<LONG_PTR>(fill));
  InvalidateRect(light, nullptr, FALSE);
}

COLORREF LightFill(HWND light) {
  return static_cast<COLORREF>(GetWindowLongPtrW(light, GWLP_USERDATA));
}

void SetPicture(HWND box, forms::Picture picture) {
  if (PictureState* state = StateOf(box)) {
    state->Forget();
    *state = {picture, 0};
  }
  InvalidateRect(box, nullptr, FALSE);
}

void AdvancePicture(HWND box) {
  PictureState* state = StateOf(box);
  if (!state) return;
  state->frame = (state->frame + 1) % forms::LookOf(state->picture).frames;
  InvalidateRect(box, nullptr, FALSE);  // only its own rectangle
}

int PictureFrame(HWND box) {
  const PictureState* state = StateOf(box);
  return state ? state->frame : 0;
}

}  // namespace quendal::win32
