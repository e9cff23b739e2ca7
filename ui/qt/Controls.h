#pragma once

#include <QRect>
#include <QString>
#include <string_view>

#include "ui/forms/Form.h"

class QLabel;
class QWidget;

namespace quendal {

inline QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Builds a window the way the window designer laid it out: names, twips, faces and
// colours as designed, converted for this screen.
class Designer {
 public:
  explicit Designer(QWidget& form);

  // Names, titles and sizes the window, then makes every control of `design` in the
  // designer's order, each inside its parent.
  void Build(const forms::Form& design);
  // The designed keyboard order over the controls that take focus, and the focus on the
  // first of them.
  void SetTabOrder(const forms::Form& design);

 private:
  QRect Rect(const forms::Twips& place) const;
  void Make(const forms::Control& control, QWidget& parent);
  void MakeLabel(const forms::Control& control, QWidget& parent);
  void MakeLine(const forms::Control& control, QWidget& parent);
  // Inside a group box the caption colour must not reach the controls.
  void KeepOwnTextColour(QWidget& control, QWidget& parent) const;

  QWidget& form_;
  qreal dpi_;
};

// Widens a one-line label whose caption is wider than designed, keeping its left edge:
// the faces here are not the designer's to the pixel, and a clipped word reads worse
// than a label a few pixels longer.
void FitCaption(QLabel& label);

}  // namespace quendal
