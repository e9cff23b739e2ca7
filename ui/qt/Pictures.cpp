#include "ui/qt/Pictures.h"

#include "ui/qt/art/Artwork.h"
#include "ui/qt/widgets/AnimatedImage.h"

namespace quendal {

QPixmap ButtonPictureFor(forms::Picture picture) {
  using P = forms::Picture;
  switch (picture) {
    case P::Clock:
      return ButtonIcon(ButtonPicture::Clock);
    case P::Thermometer:
      return ButtonIcon(ButtonPicture::Thermometer);
    case P::Save:
      return ButtonIcon(ButtonPicture::Save);
    case P::Open:
      return ButtonIcon(ButtonPicture::Open);
    case P::Help:
      return ButtonIcon(ButtonPicture::Help);
    case P::About:
      return ButtonIcon(ButtonPicture::About);
    case P::Quit:
      return ButtonIcon(ButtonPicture::Quit);
    case P::Globe:
      return ButtonIcon(ButtonPicture::Globe);
    case P::Back:
      return ButtonIcon(ButtonPicture::Back);
    default:
      return {};
  }
}

QPixmap StillPictureFor(forms::Picture picture) {
  return picture == forms::Picture::Banner ? HostBanner() : QPixmap();
}

void Animate(AnimatedImage& box, forms::Picture picture) {
  // The main window's decorations stay on screen all day: a few frames a second look
  // alive and cost next to nothing.
  constexpr int kDecorationFrameMs = 300;
  using P = forms::Picture;
  switch (picture) {
    case P::Antenna:
      return box.SetFrames(AntennaFrames(), kDecorationFrameMs);
    case P::Link:
      return box.SetFrames(LinkFrames(), kDecorationFrameMs);
    case P::Tower:
      return box.SetFrames(TowerFrames(), 150);
    default:
      return;
  }
}

}  // namespace quendal
