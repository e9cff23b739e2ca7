#include "ui/qt/widgets/AnimatedImage.h"

#include <QPainter>

namespace quendal {

AnimatedImage::AnimatedImage(QWidget* parent) : QWidget(parent) {
  connect(&timer_, &QTimer::timeout, this, &AnimatedImage::Advance);
}

void AnimatedImage::SetFrames(std::vector<QPixmap> frames, int frameMs) {
  frames_ = std::move(frames);
  current_ = 0;
  timer_.setInterval(frameMs);
  if (isVisible() && frames_.size() > 1) timer_.start();
  update();
}

void AnimatedImage::Advance() {
  if (frames_.empty()) return;
  current_ = (current_ + 1) % FrameCount();
  update();
}

void AnimatedImage::showEvent(QShowEvent*) {
  if (frames_.size() > 1) timer_.start();
}

void AnimatedImage::hideEvent(QHideEvent*) { timer_.stop(); }

void AnimatedImage::paintEvent(QPaintEvent*) {
  if (frames_.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QPixmap& frame = frames_[static_cast<std::size_t>(current_)];
  const QSize fitted = frame.size().scaled(size(), Qt::KeepAspectRatio);
  const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                     fitted);
  painter.drawPixmap(target, frame);
}

}  // namespace quendal
