#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace quendal {

// Shows a sequence of frames in a loop, scaled to fit its box with the aspect kept. It
// runs on its own timer, only while visible, and nothing in the program depends on it.
class AnimatedImage final : public QWidget {
  Q_OBJECT

 public:
  explicit AnimatedImage(QWidget* parent = nullptr);

  void SetFrames(std::vector<QPixmap> frames, int frameMs);
  int FrameCount() const { return static_cast<int>(frames_.size()); }
  int CurrentFrame() const { return current_; }
  QSize FrameSize() const { return frames_.empty() ? QSize() : frames_.front().size(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Advance();

  std::vector<QPixmap> frames_;
  int current_ = 0;
  QTimer timer_;
};

}  // namespace quendal
