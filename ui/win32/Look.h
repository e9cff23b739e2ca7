#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/forms/DesktopLook.h"
#include "ui/forms/Form.h"

// The window designer's units, faces and colours, mapped onto this screen.
namespace quendal::win32 {

// The screen's dots per inch, as the DPI-aware program sees them.
int ScreenDpi();
using forms::FromTwips;
RECT TwipsRect(const forms::Twips& place, int dpi);

// The designed face at this screen's size; made once and kept for the program's life.
HFONT FontOf(const forms::Font& font, int dpi);

// A designed colour; the desktop's own follow the user's colour scheme.
COLORREF ColourOf(const forms::Colour& colour);

std::wstring Wide(std::string_view utf8);
std::string Utf8(const std::wstring& wide);
// A control's text, in UTF-8.
std::string WindowText(HWND window);

// Moves a top-level window so it sits in the middle of the work area.
void CentreOnScreen(HWND window);
// Moves the simulated station's window beside the main window, to its right.
void PlaceBeside(HWND station, HWND main);

}  // namespace quendal::win32
