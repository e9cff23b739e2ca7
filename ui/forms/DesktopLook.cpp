#include "ui/forms/DesktopLook.h"

#include <cmath>

namespace quendal::forms {

int FromTwips(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / 1440.0)); }

PixelEdges EdgesOf(const Twips& place, double dpi) {
  return {FromTwips(place.left, dpi), FromTwips(place.top, dpi),
          FromTwips(place.left + place.width, dpi), FromTwips(place.top + place.height, dpi)};
}

}  // namespace quendal::forms
