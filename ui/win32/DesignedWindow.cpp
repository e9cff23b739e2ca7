#include "ui/win32/DesignedWindow.h"

#include <algorithm>

#include "ui/win32/Look.h"
#include "ui/win32/OwnControls.h"
#include "ui/win32/Pictures.h"

namespace quendal::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuendalDesigned";
constexpr int kFirstId = 100;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// The size is fixed. Minimising the main window keeps the program working, so it stays
// possible; a modal window minimised alone would leave the main one without input.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

void RegisterWindowClass() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
  if (!windowClass.hIcon) windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);  // fails harmlessly once registered
  RegisterOwnControls();
}

// The size of a control's own text in its own font.
SIZE CaptionSize(HWND control) {
  const HDC dc = GetDC(control);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  const std::wstring caption = Wide(WindowText(control));
  SIZE size{};
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size;
}

DesignedWindow* WindowOf(HWND handle) {
  return reinterpret_cast<DesignedWindow*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

bool IsDesigned(HWND root) {
  wchar_t name[32] = {};
  GetClassNameW(root, name, 32);
  return wcscmp(name, kWindowClass) == 0;
}

struct ControlClass {
  const wchar_t* windowClass;
  DWORD style;
  DWORD extendedStyle = 0;
};

ControlClass ClassOf(const forms::Control& control) {
  using Kind = forms::Kind;
  switch (control.kind) {
    case Kind::Label: {
      DWORD style = SS_NOPREFIX | (control.centred ? SS_CENTER : SS_LEFT);
      // A bordered label is a one-line display, its text in the middle of the panel.
      if (control.bordered) style |= WS_BORDER | SS_CENTERIMAGE;
      return {L"STATIC", style};
    }
    case Kind::Frame:
      return {L"BUTTON", BS_GROUPBOX};
    case Kind::CheckBox:
      // Not an automatic box: the click rule decides the value, which may be greyed (2).
      return {L"BUTTON", BS_3STATE | WS_TABSTOP};
    case Kind::PictureButton:
      return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP};
    case Kind::TextBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Kind::MultiLineTextBox:
      return {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case Kind::Shape:
      return {kLightClass, 0};
    case Kind::AnimatedImage:
    case Kind::PictureBox:
      return {kPictureClass, 0};
    case Kind::Line:
      return {L"STATIC", SS_BLACKRECT};
  }
  return {L"STATIC", 0};
}

}  // namespace

DesignedWindow::DesignedWindow(const forms::Form& design) : design_(design) {}

DesignedWindow::~DesignedWindow() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  for (HBRUSH brush : brushes_) DeleteObject(brush);
}

void DesignedWindow::Create(HWND owner) {
  RegisterWindowClass();
  dpi_ = ScreenDpi();
  const DWORD style = owner ? kFrameStyle : kFrameStyle | WS_MINIMIZEBOX;
  RECT frame{0, 0, FromTwips(design_.width, dpi_), FromTwips(design_.height, dpi_)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  window_ = CreateWindowExW(0, kWindowClass, Wide(design_.caption).c_str(), style, CW_USEDEFAULT,
                            CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                            owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DesignedWindow::Procedure));
  for (std::size_t i = 0; i < design_.controls.size(); ++i) {
    Make(design_.controls[i], static_cast<int>(i));
  }
  // Later controls of the table lie on top, as the designer drew them.
  for (const Made& made : made_) {
    SetWindowPos(made.handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  CentreOnScreen(window_);
  lastFocus_ = Find(forms::FocusOrder(design_).front());
}

void DesignedWindow::Make(const forms::Control& control, int index) {
  const ControlClass how = ClassOf(control);
  RECT place = TwipsRect(control.place, dpi_);
  const POINT origin = OriginOf(control);
  OffsetRect(&place, origin.x, origin.y);
  if (control.kind == forms::Kind::Line) place.bottom = place.top + 1;
  const bool group = control.kind == forms::Kind::Frame;  // its caption comes on its own
  const HWND handle = CreateWindowExW(
      how.extendedStyle, how.windowClass, group ? L"" : Wide(control.caption).c_str(),
      kChild | how.style, place.left, place.top, place.right - place.left, place.bottom - place.top,
      window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + index)),
      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control.font, dpi_)), FALSE);
  if (control.kind == forms::Kind::Shape) SetLightFill(handle, ColourOf(control.background));
  if (control.kind == forms::Kind::AnimatedImage || control.kind == forms::Kind::PictureBox) {
    SetPicture(handle, control.picture);
  }
  made_.push_back({&control, handle});
  if (control.kind == forms::Kind::Frame) MakeGroupCaption(control, place);
  if (forms::WidensToFit(control)) FitCaption(handle);
}

void DesignedWindow::FitCaption(HWND label) const {
  const SIZE needed = CaptionSize(label);
  RECT place;
  GetWindowRect(label, &place);
  if (needed.cx + 2 > place.right - place.left) {
    SetWindowPos(label, nullptr, 0, 0, needed.cx + 2, place.bottom - place.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void DesignedWindow::MakeGroupCaption(const forms::Control& frame, const RECT& place) {
  // A group box drawn with the system's visual style keeps its caption in the style's
  // colour, so the designed colour comes from a label of its own over the box's edge.
  const HWND caption =
      CreateWindowExW(0, L"STATIC", Wide(frame.caption).c_str(), kChild | SS_NOPREFIX | SS_LEFT,
                      place.left + FromTwips(120, dpi_), place.top, 0, 0, window_, nullptr,
                      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(caption, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(frame.font, dpi_)), FALSE);
  const SIZE size = CaptionSize(caption);
  SetWindowPos(caption, nullptr, 0, 0, size.cx + 4, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  made_.push_back({&frame, caption});
}

POINT DesignedWindow::OriginOf(const forms::Control& control) const {
  if (control.parent == design_.name) return {0, 0};
  const forms::Control* group = forms::Find(design_, control.parent);
  const POINT outer = OriginOf(*group);
  return {outer.x + FromTwips(group->place.left, dpi_),
          outer.y + FromTwips(group->place.top, dpi_)};
}

HWND DesignedWindow::Find(std::string_view name) const {
  for (const Made& made : made_) {
    if (made.control->name == name) return made.handle;
  }
  return nullptr;
}

const forms::Control* DesignedWindow::ControlOf(HWND handle) const {
  for (const Made& made : made_) {
    if (made.handle == handle) return made.control;
  }
  return nullptr;
}

void DesignedWindow::SetCheck(std::string_view box, int value) {
  SendMessageW(Find(box), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DesignedWindow::SetText(std::string_view control, const std::string& utf8) {
  const HWND handle = Find(control);
  // The same text again (the lights' and the temperature's, every second) is not
  // repainted: an idle window's every repaint costs a wake-up of the window system.
  if (WindowText(handle) == utf8) return;
  programWrites_ = true;
  SetWindowTextW(handle, Wide(utf8).c_str());
  programWrites_ = false;
}

void DesignedWindow::SetLight(std::string_view shape, COLORREF fill) {
  SetLightFill(Find(shape), fill);
}

// One timer of the window for all the decorations that share a frame interval: each
// wake-up of an idle program costs more under wine than the frame it draws.
void DesignedWindow::RunDecorations(bool run) {
  for (const Made& made : made_) {
    const forms::PictureLook look = forms::LookOf(made.control->picture);
    if (made.control->kind != forms::Kind::AnimatedImage || look.frames < 2) continue;
    const UINT_PTR timer = kDecorationTimers + static_cast<UINT_PTR>(look.frameMs);
    if (run) {
      SetTimer(window_, timer, static_cast<UINT>(look.frameMs), nullptr);
    } else {
      KillTimer(window_, timer);
    }
  }
}

void DesignedWindow::AdvanceDecorations(int frameMs) {
  for (const Made& made : made_) {
    const forms::PictureLook look = forms::LookOf(made.control->picture);
    if (made.control->kind == forms::Kind::AnimatedImage && look.frames > 1 &&
        look.frameMs == frameMs) {
      AdvancePicture(made.handle);
    }
  }
}

LRESULT CALLBACK DesignedWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  DesignedWindow* designed = WindowOf(window);
  if (!designed) return DefWindowProcW(window, message, wParam, lParam);
  return designed->Handle(message, wParam, lParam);
}

LRESULT DesignedWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Command(wParam, lParam);
      return 0;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return Colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                     message == WM_CTLCOLOREDIT);
    case WM_SHOWWINDOW:
      RunDecorations(wParam != FALSE);
      break;
    case WM_SIZE:
      RunDecorations(wParam != SIZE_MINIMIZED);
      break;
    case WM_TIMER:
      if (wParam > kDecorationTimers) {
        AdvanceDecorations(static_cast<int>(wParam - kDecorationTimers));
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && GetParent(focus) == window_) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      if (lastFocus_) SetFocus(lastFocus_);
      return 0;
    default:
      break;
  }
  return Other(message, wParam, lParam);
}

LRESULT DesignedWindow::Other(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window_, message, wParam, lParam);
}

void DesignedWindow::Command(WPARAM wParam, LPARAM lParam) {
  const forms::Control* control = ControlOf(reinterpret_cast<HWND>(lParam));
  if (!control) return;
  const WORD code = HIWORD(wParam);
  if (code == BN_CLICKED &&
      (control->kind == forms::Kind::CheckBox || control->kind == forms::Kind::PictureButton)) {
    Clicked(control->name);
  } else if (code == EN_CHANGE && !programWrites_) {
    Edited(control->name, WindowText(reinterpret_cast<HWND>(lParam)));
  }
}

LRESULT DesignedWindow::Colours(HDC dc, HWND handle, bool edit) {
  const forms::Control* control = ControlOf(handle);
  const int background = edit ? COLOR_WINDOW : COLOR_BTNFACE;
  SetTextColor(dc, control && control->text != forms::kNoColour ? ColourOf(control->text)
                                                                : GetSysColor(COLOR_WINDOWTEXT));
  if (!control || control->background == forms::kNoColour) {
    SetBkColor(dc, GetSysColor(background));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
  }
  const COLORREF colour = ColourOf(control->background);
  SetBkColor(dc, colour);
  // One brush per coloured control, kept as long as the window.
  const std::size_t index = static_cast<std::size_t>(control - design_.controls.data());
  if (brushes_.size() <= index) brushes_.resize(index + 1, nullptr);
  if (!brushes_[index]) brushes_[index] = CreateSolidBrush(colour);
  return reinterpret_cast<LRESULT>(brushes_[index]);
}

void DesignedWindow::DrawButton(const DRAWITEMSTRUCT& item) const {
  const forms::Control* control = ControlOf(item.hwndItem);
  if (!control) return;
  const HDC dc = item.hDC;
  RECT area = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const HBRUSH fill = CreateSolidBrush(ColourOf(control->background));
  FillRect(dc, &area, fill);
  DeleteObject(fill);
  DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  // The icon above the caption, the two together in the middle; pressed, they move.
  const int icon = FromTwips(240, dpi_);
  const int gap = FromTwips(60, dpi_);
  const std::wstring caption = Wide(control->caption);
  const HGDIOBJ oldFont = SelectObject(dc, FontOf(control->font, dpi_));
  RECT text{area.left + 4, 0, area.right - 4, 0};
  DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  const int textWidth = area.right - area.left - 8;
  const int block = icon + gap + (text.bottom - text.top);
  const int shift = pressed ? 1 : 0;
  const int top = area.top + (area.bottom - area.top - block) / 2 + shift;
  const int iconLeft = area.left + (area.right - area.left - icon) / 2 + shift;
  DrawButtonIcon(dc, control->picture, {iconLeft, top, iconLeft + icon, top + icon});
  text = {area.left + 4 + shift, top + icon + gap, area.left + 4 + shift + textWidth, area.bottom};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = area;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
}

void DesignedWindow::FocusNext(HWND from, bool backwards) {
  const std::vector<std::string_view> order = forms::FocusOrder(design_);
  const forms::Control* current = ControlOf(from);
  const auto at = std::find_if(order.begin(), order.end(), [current](std::string_view name) {
    return current && current->name == name;
  });
  const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(order.size());
  std::ptrdiff_t index = at == order.end() ? -1 : at - order.begin();
  index = at == order.end() ? 0 : (index + (backwards ? count - 1 : 1)) % count;
  const HWND next = Find(order[static_cast<std::size_t>(index)]);
  SetFocus(next);
  // A text box entered by the keyboard selects its text, as the system's dialogs do.
  if (ControlOf(next)->kind == forms::Kind::TextBox) SendMessageW(next, EM_SETSEL, 0, -1);
}

bool DesignedWindow::MoveFocus(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (!root || !IsDesigned(root)) return false;
  DesignedWindow* designed = WindowOf(root);
  if (!designed) return false;
  designed->FocusNext(message.hwnd, GetKeyState(VK_SHIFT) < 0);
  return true;
}

}  // namespace quendal::win32
