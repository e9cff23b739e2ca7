#pragma once

#include "ui/forms/Form.h"

// What both desktops draw alike, whatever the toolkit: the pictures' designed sizes and
// animation, the designer's units in pixels, and where the windows stand.
namespace quendal::forms {

// A picture as it was designed: drawn at this size and scaled to its box, its aspect
// kept; an animation shows its frames one after another, `frameMs` each.
struct PictureLook {
  int width, height;
  int frames = 1;
  int frameMs = 0;
};

// The main window's decorations stay on screen all day: a few frames a second look alive
// and cost next to nothing.
inline constexpr int kDecorationFrameMs = 300;

constexpr PictureLook LookOf(Picture picture) {
  switch (picture) {
    case Picture::Antenna:
      return {35, 45, 10, kDecorationFrameMs};
    case Picture::Banner:
      return {274, 51};
    case Picture::Link:
      return {280, 120, 19, kDecorationFrameMs};
    case Picture::Tower:
      return {120, 263, 7, 150};
    default:
      return {16, 16};  // the button icons
  }
}

// Twips to pixels at `dpi`, rounded, so neighbouring controls keep their designed gaps.
int FromTwips(int twips, double dpi);

// A control's edges in pixels. The right and bottom edges are rounded on their own, so
// adjoining controls stay adjoining.
struct PixelEdges {
  int left, top, right, bottom;
};
PixelEdges EdgesOf(const Twips& place, double dpi);

// The faces here are not the designer's to the pixel, and a clipped word of a big
// one-line caption reads worse than a label a few pixels longer: the labels in the serif
// face widen to their caption's width.
constexpr bool WidensToFit(const Control& control) {
  return control.kind == Kind::Label && control.font.face == kTimesNewRoman;
}

// Pixels between the main window's right edge and the simulated station's window.
inline constexpr int kStationGap = 12;

}  // namespace quendal::forms
