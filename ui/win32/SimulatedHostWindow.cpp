#include "ui/win32/SimulatedHostWindow.h"

#include <commctrl.h>

#include "ui/win32/Look.h"

namespace quendal::win32 {
namespace {

constexpr wchar_t kClass[] = L"QuendalSimulatedHost";
constexpr UINT_PTR kPlaybackTimer = 1;

}  // namespace

SimulatedHostWindow::SimulatedHostWindow(SimulatedHost& host, SoundOutput& sound, Clock& clock) {
  INITCOMMONCONTROLSEX common{sizeof common, ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&common);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &SimulatedHostWindow::Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClass;
  RegisterClassW(&windowClass);  // fails harmlessly once registered
  dpi_ = ScreenDpi();
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_MINIMIZEBOX;  // closes with the program
  RECT frame{0, 0, MulDiv(forms::kStationWidth, dpi_, 96), MulDiv(forms::kStationHeight, dpi_, 96)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  window_ = CreateWindowExW(0, kClass, Wide(forms::kStationTitle).c_str(), style, CW_USEDEFAULT,
                            CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, nullptr, windowClass.hInstance, nullptr);
  font_ = FontOf({forms::kSansSerif, 8.25, false}, dpi_);
  LOGFONTW bold{};
  GetObjectW(font_, sizeof bold, &bold);
  bold.lfWeight = FW_BOLD;
  bold_ = CreateFontIndirectW(&bold);
  for (const forms::StationControl& control : forms::kStationControls) {
    const HWND made = Make(control);
    if (!control.name.empty()) parts_[control.name] = made;
  }
  presenter_.emplace(host, sound, clock, static_cast<forms::StationPanel&>(*this));
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  presenter_->Apply(Settings());
}

SimulatedHostWindow::~SimulatedHostWindow() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  presenter_.reset();
  DestroyWindow(window_);
  DeleteObject(bold_);
}

HWND SimulatedHostWindow::Add(const wchar_t* windowClass, std::string_view text, DWORD style,
                              const forms::StationControl& place) {
  const auto scaled = [this](int pixels) { return MulDiv(pixels, dpi_, 96); };
  const bool sunken =
      windowClass == std::wstring_view(L"EDIT") || windowClass == std::wstring_view(L"LISTBOX");
  const HWND control = CreateWindowExW(
      sunken ? WS_EX_CLIENTEDGE : 0, windowClass, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
      scaled(place.left), scaled(place.top), scaled(place.width), scaled(place.height), window_,
      nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return control;
}

HWND SimulatedHostWindow::Make(const forms::StationControl& control) {
  using K = forms::StationKind;
  switch (control.kind) {
    case K::Group:
      return Add(L"BUTTON", control.caption, BS_GROUPBOX, control);
    case K::Check:
      return Add(L"BUTTON", control.caption, BS_AUTOCHECKBOX | WS_TABSTOP, control);
    case K::Number: {
      const HWND number = Add(L"EDIT", "0", ES_NUMBER | WS_TABSTOP, control);
      const HWND arrows =
          Add(UPDOWN_CLASSW, "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
              {"", K::Number, "", 0, 0, 0, 0});
      SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(number), 0);
      SendMessageW(arrows, UDM_SETRANGE32, 0, forms::kMostLinked);
      return number;
    }
    case K::List:
      return Add(L"LISTBOX", "", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, control);
    case K::Text:
    case K::State:
      break;
  }
  return Add(L"STATIC", control.caption, SS_LEFT, control);
}

LRESULT CALLBACK SimulatedHostWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  auto* self = reinterpret_cast<SimulatedHostWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT SimulatedHostWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == EN_CHANGE) {
        presenter_->Apply(Settings());
      }
      return 0;
    case WM_TIMER:
      if (wParam == kPlaybackTimer) {
        KillTimer(window_, kPlaybackTimer);
        presenter_->PlaybackEnded();
      }
      return 0;
    case WM_CTLCOLORSTATIC: {
      // A transmitter switched on shows in dark red.
      const HDC dc = reinterpret_cast<HDC>(wParam);
      const auto found = emphasised_.find(reinterpret_cast<HWND>(lParam));
      const bool on = found != emphasised_.end() && found->second;
      SetTextColor(dc, on ? RGB(192, 0, 0) : GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

bool SimulatedHostWindow::Checked(std::string_view name) const {
  return SendMessageW(parts_.at(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

forms::StationSettings SimulatedHostWindow::Settings() const {
  const HWND linked = parts_.at(forms::kConnectedCount);
  return {Checked(forms::kRadioReceiving), Checked(forms::kInternetReceiving),
          Checked(forms::kHostOffline),
          static_cast<std::int32_t>(GetDlgItemInt(window_, GetDlgCtrlID(linked), nullptr, FALSE))};
}

void SimulatedHostWindow::ShowState(std::string_view state, std::string_view text, bool on) {
  const HWND label = parts_.at(state);
  emphasised_[label] = on;
  SetWindowTextW(label, Wide(text).c_str());
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(on ? bold_ : font_), TRUE);
}

void SimulatedHostWindow::AddHandedFile(const std::string& line) {
  const HWND files = parts_.at(forms::kHandedFiles);
  const LRESULT index =
      SendMessageW(files, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(line).c_str()));
  SendMessageW(files, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

void SimulatedHostWindow::ArmPlayback(std::chrono::milliseconds wait) {
  SetTimer(window_, kPlaybackTimer, static_cast<UINT>(wait.count()), nullptr);
}

}  // namespace quendal::win32
