#include "ui/win32/Look.h"

#include <cmath>
#include <map>
#include <tuple>

#include "platform/windows/WinmmSoundOutput.h"

namespace quendal::win32 {

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

RECT TwipsRect(const forms::Twips& place, int dpi) {
  const forms::PixelEdges edges = forms::EdgesOf(place, dpi);
  return RECT{edges.left, edges.top, edges.right, edges.bottom};
}

HFONT FontOf(const forms::Font& font, int dpi) {
  using Key = std::tuple<std::string_view, double, bool, int>;
  static std::map<Key, HFONT> made;
  const Key key{font.face, font.points, font.bold, dpi};
  if (const auto found = made.find(key); found != made.end()) return found->second;
  const int height = -static_cast<int>(std::lround(font.points * dpi / 72.0));
  const HFONT handle =
      CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  (font.face == forms::kTimesNewRoman ? FF_ROMAN : FF_SWISS) | VARIABLE_PITCH,
                  Wide(font.face).c_str());
  made.emplace(key, handle);
  return handle;
}

COLORREF ColourOf(const forms::Colour& colour) {
  using Source = forms::Colour::Source;
  if (colour.source == Source::Rgb) return RGB(colour.red, colour.green, colour.blue);
  switch (colour.system) {
    case forms::SystemColour::ButtonText:
      return GetSysColor(COLOR_BTNTEXT);
    case forms::SystemColour::ActiveTitleBar:
      return GetSysColor(COLOR_ACTIVECAPTION);
    case forms::SystemColour::Desktop:
      return GetSysColor(COLOR_DESKTOP);
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

std::wstring Wide(std::string_view utf8) { return WideFromUtf8(std::string(utf8)); }

std::string Utf8(const std::wstring& wide) { return Utf8FromWide(wide); }

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

void CentreOnScreen(HWND window) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceBeside(HWND station, HWND main) {
  RECT frame;
  GetWindowRect(main, &frame);
  SetWindowPos(station, nullptr, frame.right + forms::kStationGap, frame.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quendal::win32
