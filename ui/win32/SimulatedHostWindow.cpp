#include "ui/win32/SimulatedHostWindow.h"

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "clips/WavInfo.h"
#include "core/platform/Clock.h"
#include "core/platform/SoundOutput.h"
#include "ui/win32/Look.h"

namespace quendal::win32 {
namespace {

constexpr wchar_t kClass[] = L"QuendalSimulatedHost";
constexpr UINT_PTR kPlaybackTimer = 1;
// What a file that cannot be measured is given: about the length of the system sound
// the sound card plays in its place.
constexpr int kUnmeasuredMs = 1000;

// How long a WAV file plays; 0 when that cannot be told.
int WavMs(const std::string& path) {
  std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const WavInfo info = ReadWavInfo(bytes);
  return info.error.empty() ? static_cast<int>(info.Duration().count()) : 0;
}

// A Play call's value is "<path> <flag>"; the path may hold blanks of its own.
std::string PathOf(const std::string& value) { return value.substr(0, value.rfind(' ')); }

}  // namespace

SimulatedHostWindow::SimulatedHostWindow(SimulatedHost& host, SoundOutput& sound, Clock& clock)
    : host_(host), sound_(sound), clock_(clock) {
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
  RECT frame{0, 0, MulDiv(380, dpi_, 96), MulDiv(420, dpi_, 96)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  window_ = CreateWindowExW(0, kClass, L"Estação simulada", style, CW_USEDEFAULT, CW_USEDEFAULT,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            windowClass.hInstance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Build();
  host_.Observe([this](const SimulatedHost::Call& call) { OnCall(call); });
  ApplyControls();
  ShowTransmitters();
}

SimulatedHostWindow::~SimulatedHostWindow() {
  host_.Observe(nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
  DeleteObject(font_);
  DeleteObject(bold_);
}

HWND SimulatedHostWindow::Add(const wchar_t* windowClass, const wchar_t* text, DWORD style, int x,
                              int y, int width, int height) {
  const auto scaled = [this](int pixels) { return MulDiv(pixels, dpi_, 96); };
  const HWND control = CreateWindowExW(
      windowClass == std::wstring_view(L"EDIT") || windowClass == std::wstring_view(L"LISTBOX")
          ? WS_EX_CLIENTEDGE
          : 0,
      windowClass, text, WS_CHILD | WS_VISIBLE | style, scaled(x), scaled(y), scaled(width),
      scaled(height), window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return control;
}

void SimulatedHostWindow::Build() {
  font_ = FontOf({forms::kSansSerif, 8.25, false}, dpi_);
  Add(L"BUTTON", L"O que a estação informa", BS_GROUPBOX, 8, 6, 364, 134);
  radio_ = Add(L"BUTTON", L"Rádio recebendo", BS_AUTOCHECKBOX | WS_TABSTOP, 20, 26, 300, 20);
  internet_ = Add(L"BUTTON", L"Internet recebendo", BS_AUTOCHECKBOX | WS_TABSTOP, 20, 50, 300, 20);
  Add(L"STATIC", L"Estações conectadas:", SS_LEFT, 20, 80, 130, 20);
  linked_ = Add(L"EDIT", L"0", ES_NUMBER | WS_TABSTOP, 160, 77, 70, 22);
  const HWND arrows =
      Add(UPDOWN_CLASSW, L"", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0,
          0, 0, 0);
  SendMessageW(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(linked_), 0);
  SendMessageW(arrows, UDM_SETRANGE32, 0, 999);
  offline_ = Add(L"BUTTON", L"Estação fora do ar (toda chamada falha)",
                 BS_AUTOCHECKBOX | WS_TABSTOP, 20, 108, 340, 20);
  Add(L"BUTTON", L"O que o Quendal pede", BS_GROUPBOX, 8, 148, 364, 264);
  Add(L"STATIC", L"Transmissor (RfTransmit):", SS_LEFT, 20, 170, 190, 20);
  rf_ = Add(L"STATIC", L"", SS_LEFT, 220, 170, 140, 20);
  Add(L"STATIC", L"Transmissão IP (IpTransmit):", SS_LEFT, 20, 194, 190, 20);
  ip_ = Add(L"STATIC", L"", SS_LEFT, 220, 194, 140, 20);
  Add(L"STATIC", L"Arquivos entregues (PlayAudioFile):", SS_LEFT, 20, 220, 340, 20);
  files_ = Add(L"LISTBOX", L"", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, 20, 242, 340, 160);
  LOGFONTW bold{};
  GetObjectW(font_, sizeof bold, &bold);
  bold.lfWeight = FW_BOLD;
  bold_ = CreateFontIndirectW(&bold);
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
      if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == EN_CHANGE) ApplyControls();
      return 0;
    case WM_TIMER:
      if (wParam == kPlaybackTimer) {
        KillTimer(window_, kPlaybackTimer);
        playing_ = false;
        PlayNext();
      }
      return 0;
    case WM_CTLCOLORSTATIC: {
      // A transmitter switched on shows in dark red.
      const HDC dc = reinterpret_cast<HDC>(wParam);
      const HWND control = reinterpret_cast<HWND>(lParam);
      const bool on =
          (control == rf_ && host_.RfTransmit()) || (control == ip_ && host_.IpTransmit());
      SetTextColor(dc, on ? RGB(192, 0, 0) : GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void SimulatedHostWindow::ApplyControls() {
  if (!offline_) return;  // still being built
  if (SendMessageW(offline_, BM_GETCHECK, 0, 0) == BST_CHECKED) {
    host_.FailAll();
    return;
  }
  host_.RestoreAll();
  host_.SetRadioReceiving(SendMessageW(radio_, BM_GETCHECK, 0, 0) == BST_CHECKED);
  host_.SetInternetReceiving(SendMessageW(internet_, BM_GETCHECK, 0, 0) == BST_CHECKED);
  host_.SetConnectedCount(
      static_cast<std::int32_t>(GetDlgItemInt(window_, GetDlgCtrlID(linked_), nullptr, FALSE)));
}

void SimulatedHostWindow::OnCall(const SimulatedHost::Call& call) {
  using Kind = SimulatedHost::Call::Kind;
  if (call.kind == Kind::Write) {
    ShowTransmitters();
  } else if (call.kind == Kind::Play) {
    const std::string path = PathOf(call.value);
    const LocalTime now = clock_.Now();
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d  ", now.hour, now.minute, now.second);
    const std::wstring line = Wide(stamp + path + (call.ok ? "" : "  (falhou)"));
    const LRESULT index =
        SendMessageW(files_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageW(files_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    if (call.ok) {
      queue_.push_back(path);
      if (!playing_) PlayNext();
    }
  }
}

void SimulatedHostWindow::PlayNext() {
  if (queue_.empty()) return;
  const std::string path = std::move(queue_.front());
  queue_.pop_front();
  sound_.Play(path);
  const int length = WavMs(path);
  playing_ = true;
  SetTimer(window_, kPlaybackTimer, static_cast<UINT>(length > 0 ? length : kUnmeasuredMs),
           nullptr);
}

void SimulatedHostWindow::ShowTransmitters() {
  const auto show = [this](HWND label, bool on) {
    SetWindowTextW(label, on ? L"LIGADO" : L"desligado");
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(on ? bold_ : font_), TRUE);
  };
  show(rf_, host_.RfTransmit());
  show(ip_, host_.IpTransmit());
}

}  // namespace quendal::win32
