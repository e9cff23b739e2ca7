#include "ui/qt/widgets/LightShape.h"

#include <QPainter>
#include <algorithm>

namespace quendal {

LightShape::LightShape(const QColor& fill, QWidget* parent) : QWidget(parent), fill_(fill) {}

void LightShape::SetFill(const QColor& fill) {
  if (fill == fill_) return;
  fill_ = fill;
  update();
}

void LightShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const int diameter = std::min(width(), height()) - 1;
  const QRectF circle((width() - diameter) / 2.0, (height() - diameter) / 2.0, diameter, diameter);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(fill_);
  painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace quendal
