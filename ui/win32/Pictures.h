#pragma once

#include <windows.h>

#include "ui/forms/Form.h"

// The program's own pictures, drawn with GDI when they are painted, so no image file
// has to travel with it. Each is drawn in the size the windows were designed around and
// scaled to its box by the device context, its aspect kept (forms::LookOf).
namespace quendal::win32 {

// A button's 16 by 16 icon, scaled to the square `box`.
void DrawButtonIcon(HDC dc, forms::Picture picture, const RECT& box);

// One frame of a decoration (the banner has one) on white, centred in `box`.
void DrawDecoration(HDC dc, forms::Picture picture, int frame, const RECT& box);

}  // namespace quendal::win32
