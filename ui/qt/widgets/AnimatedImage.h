#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace quendal {

// Shows a sequence of frames in a loop, scaled to fit its box with the aspect kept. It
// runs on its own timer, only while visible: a minimised or hidden window costs nothing,
// and the loop goes on where it was when the window is shown again. Nothing in the
// program depends on it, and the window may stay open all day, so each frame is scaled
// once and a new frame repaints only the rectangle it covers.
class AnimatedImage final : public QWidget {
  Q_OBJECT

 public:
  explicit AnimatedImage(QWidget* parent = nullptr);

  void SetFrames(std::vector<QPixmap> frames, int frameMs);
  int FrameCount() const { return static_cast<int>(frames_.size()); }
  int CurrentFrame() const { return current_; }
  bool Running() const { return timer_.isActive(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Advance();
  void FitFrames();

  std::vector<QPixmap> frames_;
  std::vector<QPixmap> fitted_;  // frames_ scaled to target_, for this screen's pixels
  QRect target_;
  int current_ = 0;
  QTimer timer_;
};

}  // namespace quendal
