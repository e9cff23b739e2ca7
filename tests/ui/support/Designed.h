#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string_view>

#include "tests/ui/support/WindowRig.h"
#include "ui/qt/widgets/PictureButton.h"

// Checks of a window against the designer's tables.
namespace quendal::test {

// A control as designed, in twips (15 to a pixel at 96 dpi).
struct Designed {
  const char* name;
  const char* inside;   // the parent's name
  const char* caption;  // nullptr: none to read
  int left, top, width, height;
  double points = 0;  // the face, for a control with a caption
  bool bold = false;
  const char* colour = nullptr;  // of the text, or of a picture button's face
};

// The text a label, button, line or text box shows, or the title of a group box.
inline QString CaptionOf(QWidget& widget) {
  for (const char* property : {"text", "title", "plainText"}) {
    if (const QVariant caption = widget.property(property); caption.isValid()) {
      return caption.toString();
    }
  }
  return {};
}

// `widens`, a one-line label, may be wider than designed so that all of its caption shows.
inline void ExpectDesigned(QWidget& window, std::span<const Designed> controls,
                           std::string_view widens = {}) {
  for (const Designed& c : controls) {
    SCOPED_TRACE(c.name);
    QWidget& widget = Child<QWidget>(window, c.name);
    EXPECT_EQ(widget.parentWidget()->objectName(), c.inside);
    if (c.caption) {
      EXPECT_EQ(CaptionOf(widget), QString::fromUtf8(c.caption));
    }
    QRect designed(c.left / 15, c.top / 15, c.width / 15, c.height / 15);
    if (c.name == widens) {
      EXPECT_GE(widget.width(), widget.fontMetrics().horizontalAdvance(CaptionOf(widget)));
      designed.setWidth(std::max(designed.width(), widget.width()));
    }
    EXPECT_EQ(widget.geometry(), designed);
    if (c.points > 0) {
      EXPECT_DOUBLE_EQ(widget.font().pointSizeF(), c.points);
      EXPECT_EQ(widget.font().bold(), c.bold);
    }
    if (c.colour) {
      auto* button = qobject_cast<PictureButton*>(&widget);
      EXPECT_EQ(button ? button->Background() : widget.palette().color(QPalette::WindowText),
                QColor(c.colour));
    }
  }
}

// The widget that Tab moves to from `widget`, as QWidget::focusNextPrevChild picks it.
inline QWidget* NextTabStop(QWidget* widget) {
  for (QWidget* next = widget->nextInFocusChain(); next && next != widget;
       next = next->nextInFocusChain()) {
    if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled()) return next;
  }
  return nullptr;
}

}  // namespace quendal::test
