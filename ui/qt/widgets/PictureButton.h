#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace quendal {

// A graphical command button: filled with its own background colour, a small picture
// above the caption, raised when up and sunken while pressed.
class PictureButton final : public QAbstractButton {
  Q_OBJECT

 public:
  PictureButton(const QString& caption, const QColor& background, const QPixmap& picture,
                QWidget* parent = nullptr);

  QColor Background() const { return background_; }

  QSize sizeHint() const override { return {96, 64}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
  QPixmap picture_;
};

}  // namespace quendal
