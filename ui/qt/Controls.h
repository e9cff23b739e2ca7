#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QWidget;

namespace quendal {

class OptionBox;
class PictureButton;

// Places controls the way the window designer laid them out: names, twips, faces and
// colours as designed, converted for this screen.
class Designer {
 public:
  explicit Designer(QWidget& form);

  QRect Rect(int left, int top, int width, int height) const;

  QLabel& Label(QWidget& parent, const char* name, const QString& caption, QRect where,
                const QFont& font);
  QGroupBox& Frame(QWidget& parent, const char* name, const QString& caption, QRect where,
                   const QFont& font, const QColor& captionColour);
  OptionBox& Box(QWidget& parent, const char* name, const QString& caption, QRect where,
                 const QFont& font);
  PictureButton& Button(QWidget& parent, const char* name, const QString& caption, QRect where,
                        const QFont& font, const QColor& background, const QPixmap& picture);
  // Widens a one-line label whose caption is wider than designed, keeping its left edge:
  // the faces here are not the designer's to the pixel, and a clipped word reads worse
  // than a label a few pixels longer.
  void FitCaption(QLabel& label) const;
  // A one-pixel line from (x1, y) to (x2, y), in twips.
  QFrame& HorizontalLine(QWidget& parent, const char* name, int x1, int x2, int y);

 private:
  // Inside a group box the caption colour must not reach the controls.
  void KeepOwnTextColour(QWidget& control, QWidget& parent) const;

  QWidget& form_;
  qreal dpi_;
};

}  // namespace quendal
