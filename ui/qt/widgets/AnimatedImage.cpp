#include "ui/qt/widgets/AnimatedImage.h"

#include <QPainter>

namespace quendal {

AnimatedImage::AnimatedImage(QWidget* parent) : QWidget(parent) {
  connect(&timer_, &QTimer::timeout, this, &AnimatedImage::Advance);
}

void AnimatedImage::SetFrames(std::vector<QPixmap> frames, int frameMs) {
  frames_ = std::move(frames);
  current_ = 0;
  FitFrames();
  timer_.setInterval(frameMs);
  if (isVisible() && frames_.size() > 1) timer_.start();
  update();
}

void AnimatedImage::FitFrames() {
  fitted_.clear();
  if (frames_.empty()) return;
  const QSize fitted = frames_.front().size().scaled(size(), Qt::KeepAspectRatio);
  target_ = QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
  const qreal ratio = devicePixelRatioF();
  for (const QPixmap& frame : frames_) {
    QPixmap scaled = frame.scaled(fitted * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    fitted_.push_back(std::move(scaled));
  }
}

void AnimatedImage::Advance() {
  if (frames_.empty()) return;
  current_ = (current_ + 1) % FrameCount();
  update(target_);
}

void AnimatedImage::resizeEvent(QResizeEvent*) { FitFrames(); }

void AnimatedImage::showEvent(QShowEvent*) {
  if (frames_.size() > 1) timer_.start();
}

void AnimatedImage::hideEvent(QHideEvent*) { timer_.stop(); }

void AnimatedImage::paintEvent(QPaintEvent*) {
  // Moved to a screen of another pixel density, the frames are scaled again for it.
  if (!fitted_.empty() && fitted_.front().devicePixelRatio() != devicePixelRatioF()) FitFrames();
  if (fitted_.empty()) return;
  QPainter painter(this);
  painter.drawPixmap(target_.topLeft(), fitted_[static_cast<std::size_t>(current_)]);
}

}  // namespace quendal
