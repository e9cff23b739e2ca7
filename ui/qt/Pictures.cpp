#include "ui/qt/Pictures.h"

#include "ui/forms/DesktopLook.h"
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
  const int frameMs = forms::LookOf(picture).frameMs;
  using P = forms::Picture;
  switch (picture) {
    case P::Antenna:
      return box.SetFrames(AntennaFrames(), frameMs);
    case P::Link:
      return box.SetFrames(LinkFrames(), frameMs);
    case P::Tower:
      return box.SetFrames(TowerFrames(), frameMs);
    default:
      return;
  }
}

}  // namespace quendal
