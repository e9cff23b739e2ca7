#pragma once

#include <windows.h>

#include "ui/forms/Form.h"

// The two controls the system does not have: a reception light (a filled circle) and a
// picture box that may run through frames.
namespace quendal::win32 {

inline constexpr wchar_t kLightClass[] = L"QuendalLight";
inline constexpr wchar_t kPictureClass[] = L"QuendalPicture";

void RegisterOwnControls();

// The light's fill; it repaints at once.
void SetLightFill(HWND light, COLORREF fill);
COLORREF LightFill(HWND light);

// What a picture box shows; it owns nothing else and moves a frame on when told.
void SetPicture(HWND box, forms::Picture picture);
void AdvancePicture(HWND box);
int PictureFrame(HWND box);

}  // namespace quendal::win32
