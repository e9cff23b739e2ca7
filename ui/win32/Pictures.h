#pragma once

#include <windows.h>

#include "ui/forms/Form.h"

// The program's own pictures, drawn with GDI when they are painted, so no image file
// has to travel with it. Each is drawn in the size the windows were designed around and
// scaled to its box by the device context, its aspect kept.
namespace quendal::win32 {

// A button's 16 by 16 icon, scaled to the square `box`.
void DrawButtonIcon(HDC dc, forms::Picture picture, const RECT& box);

// One frame of a decoration (the banner has one) on white, centred in `box`.
void DrawDecoration(HDC dc, forms::Picture picture, int frame, const RECT& box);
int FrameCount(forms::Picture picture);
// The decorations stay on screen all day: a few frames a second look alive and cost
// next to nothing.
int FrameMs(forms::Picture picture);

}  // namespace quendal::win32
