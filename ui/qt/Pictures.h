#pragma once

#include <QPixmap>

#include "ui/forms/Form.h"

namespace quendal {

class AnimatedImage;

// Our own drawings for the designed pictures.
QPixmap ButtonPictureFor(forms::Picture picture);
QPixmap StillPictureFor(forms::Picture picture);
// Starts the animation that stands for `picture`; none leaves the box empty.
void Animate(AnimatedImage& box, forms::Picture picture);

}  // namespace quendal
