#include "ui/qt/widgets/PictureButton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace quendal {

PictureButton::PictureButton(const QString& caption, const QColor& background,
                             const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), background_(background), picture_(picture) {
  setText(caption);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect();
  const bool sunken = isDown();
  painter.fillRect(area, background_);

  // Two-pixel bevel: light top-left and dark bottom-right when up, swapped when down.
  const QColor light = sunken ? QColor(64, 64, 64) : QColor(255, 255, 255);
  const QColor dark = sunken ? QColor(255, 255, 255) : QColor(64, 64, 64);
  const QColor shade = background_.darker(150);
  painter.setPen(Qt::black);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
  painter.setPen(light);
  painter.drawLine(1, 1, area.width() - 3, 1);
  painter.drawLine(1, 1, 1, area.height() - 3);
  painter.setPen(dark);
  painter.drawLine(1, area.height() - 2, area.width() - 2, area.height() - 2);
  painter.drawLine(area.width() - 2, 1, area.width() - 2, area.height() - 2);
  painter.setPen(sunken ? light : shade);
  painter.drawLine(2, area.height() - 3, area.width() - 3, area.height() - 3);
  painter.drawLine(area.width() - 3, 2, area.width() - 3, area.height() - 3);

  const int shift = sunken ? 1 : 0;
  const QRect inner = area.adjusted(4 + shift, 4 + shift, -4 + shift, -4 + shift);
  const QFontMetrics metrics(font());
  const QRect textBounds = metrics.boundingRect(inner, Qt::AlignHCenter | Qt::TextWordWrap, text());
  const int gap = 3;
  const int blockHeight =
      picture_.isNull() ? textBounds.height() : picture_.height() + gap + textBounds.height();
  int top = inner.top() + std::max(0, (inner.height() - blockHeight) / 2);
  if (!picture_.isNull()) {
    painter.drawPixmap(inner.left() + (inner.width() - picture_.width()) / 2, top, picture_);
    top += picture_.height() + gap;
  }
  const QRect textArea(inner.left(), top, inner.width(), inner.bottom() - top + 1);
  painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                             : palette().color(QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(textArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = textArea.intersected(inner).adjusted(-2, -1, 2, 1);
    focus.rect.setHeight(std::min(focus.rect.height(), textBounds.height() + 2));
    focus.backgroundColor = background_;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

}  // namespace quendal
